#pragma once

#include <filesystem>
#include <string>

// What a program wrote and how it ended.
struct ProgramRun {
    std::string out;
    std::string err;
    // The exit status, or -1 when the program did not exit normally.
    int exitStatus = -1;
};

// A fresh, empty folder under the system's temporary folder, removed with
// everything in it when the object goes.
class ScratchDir {
public:
    ScratchDir();
    ~ScratchDir();
    ScratchDir(ScratchDir const&) = delete;
    ScratchDir& operator=(ScratchDir const&) = delete;

    std::filesystem::path const& path() const { return path_; }
    // Writes a file of the folder with the given permission bits.
    void writeFile(std::string const& name, std::string const& text, std::filesystem::perms mode) const;
    // Writes an executable shell script of the folder.
    void writeScript(std::string const& name, std::string const& body) const;

private:
    std::filesystem::path path_;
};

// Runs the program at programPath, with no arguments and no input, in the
// working folder dir, and waits for it. Its output is captured outside dir.
ProgramRun runIn(std::string const& programPath, std::filesystem::path const& dir);
