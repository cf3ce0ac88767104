#include "ProgramRun.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <vector>

extern char** environ;

namespace fs = std::filesystem;

namespace {

fs::path makeTempDir() {
    std::string pattern = (fs::temp_directory_path() / "quorvex-apps-XXXXXX").string();
    std::vector<char> buf(pattern.begin(), pattern.end());
    buf.push_back('\0');
    if (mkdtemp(buf.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    return fs::path(buf.data());
}

std::string readAll(fs::path const& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

}  // namespace

ScratchDir::ScratchDir() : path_(makeTempDir()) {}

ScratchDir::~ScratchDir() {
    std::error_code ec;
    fs::remove_all(path_, ec);
}

void ScratchDir::writeFile(std::string const& name, std::string const& text, fs::perms mode) const {
    fs::path const p = path_ / name;
    std::ofstream(p, std::ios::binary) << text;
    fs::permissions(p, mode);
}

void ScratchDir::writeScript(std::string const& name, std::string const& body) const {
    writeFile(name, "#!/bin/sh\n" + body, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec);
}

ProgramRun runIn(std::string const& programPath, fs::path const& dir) {
    // Output goes to files of a separate folder: the program under test may
    // read its working folder, and two pipes could fill up and block.
    ScratchDir capture;
    std::string const outPath = (capture.path() / "out").string();
    std::string const errPath = (capture.path() / "err").string();

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addchdir_np(&actions, dir.c_str());

    std::vector<char> program(programPath.begin(), programPath.end());
    program.push_back('\0');
    char* argv[] = {program.data(), nullptr};
    pid_t pid = 0;
    int const rc = posix_spawn(&pid, program.data(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    if (rc != 0) throw std::runtime_error("cannot start " + programPath);

    int status = 0;
    while (waitpid(pid, &status, 0) < 0)
        if (errno != EINTR) throw std::runtime_error("lost " + programPath);
    ProgramRun run;
    run.out = readAll(outPath);
    run.err = readAll(errPath);
    run.exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}
