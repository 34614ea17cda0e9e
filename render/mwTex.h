// SPDX-License-Identifier: GPL-3.0-or-later
// Background pictures: an 8-bit run-length PCX file made into an OpenGL
// texture. Needs a current context.
#pragma once

#include <GL/gl.h>

#include <cstdint>
#include <string>

#include "render/PcxPicture.h"  // IsPowerOfTwo

namespace zorbil {

// Reads, decodes and uploads the picture, logging each step. The loader's
// own checks log an error line and give 0; an empty path (nothing selected)
// throws after the opening line, as does a failure of the log itself or of
// closing the file.
GLuint mwLoadPCX(const std::string& path);

// A new RGBA8 texture object with linear filters, bound, texturing enabled.
GLuint UploadTexture(int32_t width, int32_t height, const void* pixels);

void BindTexture(GLuint name);

}  // namespace zorbil
