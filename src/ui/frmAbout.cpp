#include "frmAbout.h"

#include "OGLInfo.h"
#include "Version.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLabel* AddLabel(QVBoxLayout& layout, const QString& name, const QString& caption, int pointSize,
                 bool bBold) {
    auto* label = new QLabel(caption);
    label->setObjectName(name);
    // Driver strings are shown as they are, never taken for markup.
    label->setTextFormat(Qt::PlainText);
    QFont font(QStringLiteral("Arial"), pointSize);
    font.setBold(bBold);
    label->setFont(font);
    layout.addWidget(label);
    return label;
}

// One pixel line in a palette colour; a dark and a light one together make an etched rule.
void AddLine(QVBoxLayout& layout, const QString& name, QPalette::ColorRole role) {
    auto* line = new QFrame;
    line->setObjectName(name);
    line->setFixedHeight(1);
    line->setAutoFillBackground(true);
    line->setBackgroundRole(role);
    layout.addWidget(line);
}

} // namespace

frmAbout::frmAbout(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("About Tornelle..."));
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    AddLabel(*layout, QStringLiteral("Label1"), QStringLiteral("Kavrano"), 12, false);
    AddLabel(*layout, QStringLiteral("Label2"), QStringLiteral("Tornelle"), 22, true);
    AddLabel(*layout, QStringLiteral("Label3"),
             QStringLiteral("v") + QString::fromLatin1(mVersion::kVersionText), 10, false);
    AddLine(*layout, QStringLiteral("Line1"), QPalette::Dark);
    AddLine(*layout, QStringLiteral("Line2"), QPalette::Light);
    AddLabel(*layout, QStringLiteral("Label6"), QStringLiteral("Renderer:"), 9, true);
    lblVendor = AddLabel(*layout, QStringLiteral("lblVendor"), QStringLiteral("Vendor"), 9, false);
    lblRenderer =
        AddLabel(*layout, QStringLiteral("lblRenderer"), QStringLiteral("Renderer"), 9, false);
    lblVersion =
        AddLabel(*layout, QStringLiteral("lblVersion"), QStringLiteral("Version"), 9, false);
    for (QLabel* label : {lblVendor, lblRenderer, lblVersion}) {
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        label->setWordWrap(true);
        label->setMinimumWidth(320);
    }
    AddLine(*layout, QStringLiteral("Line3"), QPalette::Dark);
    AddLine(*layout, QStringLiteral("Line4"), QPalette::Light);

    auto* btnOkay = new QPushButton(QStringLiteral("OK"));
    btnOkay->setObjectName(QStringLiteral("btnOkay"));
    btnOkay->setDefault(true);
    layout->addWidget(btnOkay, 0, Qt::AlignRight);
    connect(btnOkay, &QPushButton::clicked, this, &frmAbout::btnOkay_Click);

    Form_Load();
}

void frmAbout::Form_Load() {
    lblVendor->setText(mOGLInfo::GetGLVendor());
    lblRenderer->setText(mOGLInfo::GetGLRenderer());
    lblVersion->setText(QStringLiteral("OpenGL Version ") + mOGLInfo::GetGLVersion());
}

void frmAbout::btnOkay_Click() {
    accept();
}
