#include "config/IniFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <fstream>
#include <optional>
#include <sstream>

#include "config/IniDocument.h"

namespace zorbil {

namespace {

// nullopt when the file exists but cannot be read; empty when it is missing.
std::optional<std::string> Slurp(const std::string& path, bool& exists)
{
    struct stat st {};
    exists = ::stat(path.c_str(), &st) == 0;
    if (!exists)
        return std::string();
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::ostringstream text;
    text << in.rdbuf();
    if (in.bad())
        return std::nullopt;
    return text.str();
}

bool WriteAll(int fd, const std::string& text)
{
    size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        done += static_cast<size_t>(n);
    }
    return true;
}

std::string FolderOf(const std::string& path)
{
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

bool ReplaceAtomically(const std::string& path, const std::string& text, mode_t mode)
{
    std::string tmp = path + ".XXXXXX";
    const int fd = ::mkstemp(tmp.data());
    if (fd < 0)
        return false;
    const bool ok = ::fchmod(fd, mode) == 0 && WriteAll(fd, text) && ::fsync(fd) == 0;
    if (::close(fd) != 0 || !ok || ::rename(tmp.c_str(), path.c_str()) != 0) {
        ::unlink(tmp.c_str());
        return false;
    }
    // Make the rename itself durable; a failure here loses nothing.
    const int dir = ::open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return true;
}

}  // namespace

std::string ReadProfileString(const std::string& path, std::string_view section, std::string_view key,
                              std::string_view defaultValue)
{
    bool exists = false;
    const auto text = Slurp(path, exists);
    if (!text)
        return std::string(defaultValue);
    return IniDocument::Parse(*text).Get(section, key).value_or(std::string(defaultValue));
}

bool WriteProfileString(const std::string& path, std::string_view section, std::string_view key,
                        std::string_view value)
{
    bool exists = false;
    const auto text = Slurp(path, exists);
    if (!text)
        return false;  // never overwrite a file whose content we could not read
    mode_t mode = 0644;
    if (exists) {
        struct stat st {};
        if (::stat(path.c_str(), &st) != 0)
            return false;
        // A write-protected file stays protected, even for root, who could
        // otherwise rename over it.
        if ((st.st_mode & S_IWUSR) == 0 || ::access(path.c_str(), W_OK) != 0)
            return false;
        mode = st.st_mode & 07777;
    }
    IniDocument doc = IniDocument::Parse(*text);
    doc.Set(section, key, value);
    return ReplaceAtomically(path, doc.Text(), mode);
}

}  // namespace zorbil
