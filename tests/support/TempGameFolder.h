// SPDX-License-Identifier: GPL-3.0-or-later
// A throw-away game folder for tests: <tmp>/zorbil-XXXXXX with a Data
// subfolder, removed with everything in it when the object goes away.
#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>

namespace zorbil::test {

class TempGameFolder {
public:
    explicit TempGameFolder(bool withData = true)
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "zorbil-XXXXXX").string();
        if (!::mkdtemp(pattern.data()))
            throw std::runtime_error("mkdtemp failed");
        path_ = pattern;
        if (withData)
            std::filesystem::create_directory(path_ / "Data");
    }
    ~TempGameFolder()
    {
        std::error_code ec;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ec);
        std::filesystem::remove_all(path_, ec);
    }
    TempGameFolder(const TempGameFolder&) = delete;
    TempGameFolder& operator=(const TempGameFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::string str() const { return path_.string(); }
    std::string file(const std::string& tail) const { return path_.string() + tail; }

    void write(const std::string& tail, const std::string& content) const
    {
        std::ofstream(file(tail), std::ios::binary) << content;
    }
    std::string read(const std::string& tail) const
    {
        std::ifstream in(file(tail), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

private:
    std::filesystem::path path_;
};

}  // namespace zorbil::test
