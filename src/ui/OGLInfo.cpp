#include "OGLInfo.h"

#include <QOpenGLContext>
#include <QOpenGLFunctions>

namespace mOGLInfo {

namespace {

constexpr qsizetype kMaxLength = 1024;

QString ReadGLString(GLenum name) {
    QOpenGLContext* const context = QOpenGLContext::currentContext();
    if (context == nullptr)
        return {};
    return TextFromGLString(context->functions()->glGetString(name));
}

} // namespace

QString GetGLVendor() {
    return ReadGLString(GL_VENDOR);
}

QString GetGLRenderer() {
    return ReadGLString(GL_RENDERER);
}

QString GetGLVersion() {
    return ReadGLString(GL_VERSION);
}

QString TextFromGLString(const unsigned char* text) {
    if (text == nullptr)
        return {};
    qsizetype length = 0;
    while (length < kMaxLength && text[length] != 0)
        ++length;
    return QString::fromLatin1(reinterpret_cast<const char*>(text), length);
}

} // namespace mOGLInfo
