#include "OGLInfo.h"
#include "frmAbout.h"

#include <QLabel>
#include <QOpenGLContext>
#include <QOpenGLWidget>
#include <QPushButton>
#include <QTest>

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <string>

namespace {

QString LabelText(const frmAbout& about, const char* name) {
    const auto* label = about.findChild<QLabel*>(QLatin1String(name));
    EXPECT_NE(label, nullptr) << name;
    return label != nullptr ? label->text() : QString();
}

// Read straight from the GL library, not through Qt, as a second opinion.
QString DriverString(GLenum name) {
    return QString::fromLatin1(reinterpret_cast<const char*>(::glGetString(name)));
}

TEST(OGLInfo, DriverStringsStopAtNulOrAfter1024Bytes) {
    EXPECT_EQ(mOGLInfo::TextFromGLString(nullptr), QString());
    const unsigned char empty[] = "";
    EXPECT_EQ(mOGLInfo::TextFromGLString(empty), QString());
    const unsigned char version[] = "1.1.0";
    EXPECT_EQ(mOGLInfo::TextFromGLString(version), QStringLiteral("1.1.0"));
    const unsigned char inner[] = {'a', 'b', 0, 'c', 0};
    EXPECT_EQ(mOGLInfo::TextFromGLString(inner), QStringLiteral("ab"));
    // Each byte is one character of the single-byte code page.
    const unsigned char accented[] = {'N', 0xE9, 0xFF, 0};
    EXPECT_EQ(mOGLInfo::TextFromGLString(accented), QString::fromUtf8("N\u00E9\u00FF"));

    std::basic_string<unsigned char> longer(2000, 'x');
    longer[1023] = 'y';
    longer[1024] = 'z';
    const QString cut = mOGLInfo::TextFromGLString(longer.c_str());
    EXPECT_EQ(cut.size(), 1024);
    EXPECT_TRUE(cut.endsWith(u'y'));
}

TEST(AboutBox, ShowsTheProgramAndTheCurrentContextsDriverStrings) {
    QOpenGLWidget view;
    view.resize(64, 64);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    view.makeCurrent();
    ASSERT_NE(QOpenGLContext::currentContext(), nullptr);
    const QString vendor = DriverString(GL_VENDOR);
    const QString renderer = DriverString(GL_RENDERER);
    const QString version = DriverString(GL_VERSION);
    ASSERT_FALSE(version.isEmpty());

    frmAbout about;
    EXPECT_EQ(about.windowTitle(), QStringLiteral("About Tornelle..."));
    EXPECT_EQ(LabelText(about, "Label1"), QStringLiteral("Kavrano"));
    EXPECT_EQ(LabelText(about, "Label2"), QStringLiteral("Tornelle"));
    EXPECT_EQ(LabelText(about, "Label3"), QStringLiteral("v1.3.0"));
    EXPECT_EQ(LabelText(about, "Label6"), QStringLiteral("Renderer:"));
    EXPECT_EQ(LabelText(about, "lblVendor"), vendor);
    EXPECT_EQ(LabelText(about, "lblRenderer"), renderer);
    EXPECT_EQ(LabelText(about, "lblVersion"), QStringLiteral("OpenGL Version ") + version);
    for (const QLabel* label : about.findChildren<QLabel*>()) {
        EXPECT_EQ(label->font().family(), QStringLiteral("Arial"))
            << label->objectName().toStdString();
    }
    for (int i = 1; i <= 4; ++i)
        EXPECT_NE(about.findChild<QWidget*>(QStringLiteral("Line%1").arg(i)), nullptr) << i;
    view.doneCurrent();

    // OK closes the box.
    about.show();
    auto* ok = about.findChild<QPushButton*>(QStringLiteral("btnOkay"));
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->text(), QStringLiteral("OK"));
    ok->click();
    EXPECT_FALSE(about.isVisible());
    EXPECT_EQ(about.result(), QDialog::Accepted);
}

TEST(AboutBox, WithoutACurrentContextTheDriverLabelsAreEmpty) {
    ASSERT_EQ(QOpenGLContext::currentContext(), nullptr);
    const frmAbout about;
    EXPECT_EQ(LabelText(about, "lblVendor"), QString());
    EXPECT_EQ(LabelText(about, "lblRenderer"), QString());
    EXPECT_EQ(LabelText(about, "lblVersion"), QStringLiteral("OpenGL Version "));
}

} // namespace
