#pragma once

#include <QString>

// The OpenGL driver's identification strings, read from the context current on this thread.
// With no current context each string is empty.
namespace mOGLInfo {

QString GetGLVendor();
QString GetGLRenderer();
QString GetGLVersion();

// A driver string as text: its bytes up to the first NUL, at most 1024 of them, each byte one
// Latin-1 character; "" for a null pointer.
QString TextFromGLString(const unsigned char* text);

} // namespace mOGLInfo
