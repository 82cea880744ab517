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
    // Each byte is one character of the single-byte code page.
    const std::pair<std::basic_string<unsigned char>, QString> cases[] = {
        {{}, ""},
        {{'1', '.', '1'}, "1.1"},
        {{'a', 'b', 0, 'c'}, "ab"},
        {{'N', 0xE9, 0xFF}, "N\u00E9\u00FF"}};
    for (const auto& [bytes, text] : cases)
        EXPECT_EQ(mOGLInfo::TextFromGLString(bytes.c_str()), text);

    std::basic_string<unsigned char> longer(2000, 'x');
    longer[1023] = 'y';
    longer[1024] = 'z';
    EXPECT_EQ(mOGLInfo::TextFromGLString(longer.c_str()), QString(1023, u'x') + u'y');
}

TEST(AboutBox, ShowsTheProgramAndTheCurrentContextsDriverStringsOrNone) {
    QOpenGLWidget view;
    view.resize(64, 64);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    view.makeCurrent();
    ASSERT_NE(QOpenGLContext::currentContext(), nullptr);
    const QString version = DriverString(GL_VERSION);
    ASSERT_FALSE(version.isEmpty());

    frmAbout about;
    EXPECT_EQ(about.windowTitle(), QStringLiteral("About Tornelle..."));
    const std::pair<const char*, QString> labels[] = {{"Label1", "Kavrano"},
                                                      {"Label2", "Tornelle"},
                                                      {"Label3", "v1.3.0"},
                                                      {"Label6", "Renderer:"},
                                                      {"lblVendor", DriverString(GL_VENDOR)},
                                                      {"lblRenderer", DriverString(GL_RENDERER)},
                                                      {"lblVersion", "OpenGL Version " + version}};
    for (const auto& [name, text] : labels)
        EXPECT_EQ(LabelText(about, name), text);
    for (const QLabel* label : about.findChildren<QLabel*>())
        EXPECT_EQ(label->font().family(), "Arial") << label->objectName().toStdString();
    for (int i = 1; i <= 4; ++i)
        EXPECT_NE(about.findChild<QWidget*>(QStringLiteral("Line%1").arg(i)), nullptr) << i;
    view.doneCurrent();

    // Without a current context the driver labels are empty.
    ASSERT_EQ(QOpenGLContext::currentContext(), nullptr);
    const frmAbout plain;
    EXPECT_EQ(LabelText(plain, "lblVendor") + LabelText(plain, "lblRenderer"), QString());
    EXPECT_EQ(LabelText(plain, "lblVersion"), QStringLiteral("OpenGL Version "));

    // Clicked to close the box in PlatformDialogsTest.
    const auto* ok = about.findChild<QPushButton*>(QStringLiteral("btnOkay"));
    EXPECT_TRUE(ok != nullptr && ok->text() == QStringLiteral("OK"));
}

} // namespace
