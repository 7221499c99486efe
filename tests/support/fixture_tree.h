#pragma once

#include <filesystem>
#include <fstream>
#include <string>

#include <QTemporaryDir>

// A throwaway folder that stands for the system's root; the test writes the files it needs.
class FixtureTree {
public:
    std::filesystem::path root() const { return dir.path().toStdString(); }
    void file(const std::string &path, const std::string &bytes)
    {
        std::filesystem::create_directories((root() / path).parent_path());
        std::ofstream(root() / path, std::ios::binary) << bytes;
    }
    void link(const std::string &path, const std::string &target)
    {
        std::filesystem::create_directories((root() / path).parent_path());
        std::filesystem::create_directory_symlink(target, root() / path);
    }
    QTemporaryDir dir;
};
