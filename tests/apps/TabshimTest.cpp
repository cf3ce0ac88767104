#include <gtest/gtest.h>

#include "ProgramRun.h"

namespace {

std::string const hint =
    "on peut aussi taper ./[ puis taper TAB qui fera l'auto complete (il n'y a aucun autre fichier commencant par "
    "'[')\n";

ProgramRun tabshimIn(ScratchDir const& dir) { return runIn(TABSHIM_PROGRAM, dir.path()); }

TEST(Tabshim, PrintsTheHintThenWhatKelvoPrintsAndExitsZeroWhateverKelvoReturns) {
    ASSERT_EQ(hint.size(), 114u);  // 113 bytes of text and the newline
    ScratchDir dir;
    dir.writeScript("[kelvo]", "echo kelvo ran in \"$(pwd)\"\necho kelvo complains >&2\nexit 3\n");
    ProgramRun const run = tabshimIn(dir);
    // Output goes to a file, which the C++ library buffers: the hint only
    // stands first when the launcher flushed it before starting [kelvo].
    EXPECT_EQ(run.out, hint + "kelvo ran in " + dir.path().string() + "\n");
    EXPECT_EQ(run.err, "kelvo complains\n");
    EXPECT_EQ(run.exitStatus, 0);
}

TEST(Tabshim, AMissingOrLockedKelvoIsReportedByTheShellAndTheLauncherStillExitsZero) {
    ScratchDir missing;
    ProgramRun const none = tabshimIn(missing);
    EXPECT_EQ(none.out, hint);
    EXPECT_NE(none.err.find("./[kelvo]"), std::string::npos) << none.err;
    EXPECT_EQ(none.exitStatus, 0);

    ScratchDir locked;
    locked.writeFile("[kelvo]", "#!/bin/sh\necho should not run\n", std::filesystem::perms::owner_read);
    ProgramRun const notExecutable = tabshimIn(locked);
    EXPECT_EQ(notExecutable.out, hint);
    EXPECT_NE(notExecutable.err.find("./[kelvo]"), std::string::npos) << notExecutable.err;
    EXPECT_EQ(notExecutable.exitStatus, 0);
}

// "./[kelvo]" read as a shell pattern matches a file named k, e, l, v or o;
// only the file named [kelvo] itself may ever start.
TEST(Tabshim, NeverRunsAOneLetterFileThatTheNameWouldMatchAsAPattern) {
    for (char const letter : std::string("kelvo")) {
        SCOPED_TRACE(std::string("decoy ") + letter);
        ScratchDir dir;
        dir.writeScript(std::string(1, letter), "echo decoy ran\n");
        ProgramRun const alone = tabshimIn(dir);
        EXPECT_EQ(alone.out, hint);
        EXPECT_NE(alone.err.find("./[kelvo]"), std::string::npos) << alone.err;
        EXPECT_EQ(alone.exitStatus, 0);

        dir.writeScript("[kelvo]", "echo kelvo ran\n");
        ProgramRun const beside = tabshimIn(dir);
        EXPECT_EQ(beside.out, hint + "kelvo ran\n");
        EXPECT_EQ(beside.err, "");
        EXPECT_EQ(beside.exitStatus, 0);
    }
}

}  // namespace
