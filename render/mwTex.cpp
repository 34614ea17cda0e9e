// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/mwTex.h"

#include <stdexcept>

#include "render/PcxFileSource.h"
#include "render/mwGL.h"

namespace zorbil {

namespace {

void LogError(const std::string& message)
{
    LogLine("ERROR (mwTex:mwLoadPCX) - \"" + message + "\"");
}

}  // namespace

GLuint mwLoadPCX(const std::string& path)
{
    LogLine("Opening PCX file - \"" + path + "\"");
    // No picture chosen is not a file the loader could quietly refuse: the
    // player is told, as for any error the load raises.
    if (path.empty())
        throw std::invalid_argument("no background picture selected");
    PcxFileSource file;
    if (!file.Open(path)) {
        LogError("can't open file - " + path);
        return 0;
    }
    PcxRead read = ReadPcxPicture(file, path);
    if (!read.Error.empty()) {
        LogError(read.Error);
        return 0;
    }
    file.Close();
    LogLine("Texture Loaded into memory");
    return UploadTexture(read.Picture.Width, read.Picture.Height, read.Picture.Pixels.get());
}

GLuint UploadTexture(int32_t width, int32_t height, const void* pixels)
{
    GLuint name = 0;
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_2D, name);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE, pixels);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glEnable(GL_TEXTURE_2D);
    return name;
}

void BindTexture(GLuint name)
{
    glBindTexture(GL_TEXTURE_2D, name);
    glEnable(GL_TEXTURE_2D);
}

}  // namespace zorbil
