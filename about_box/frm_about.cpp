// SPDX-License-Identifier: LicenseRef-proprietary
#include "frm_about.h"

#include "app_info.h"
#include "ui_frm_about.h"
#include "window_placement.h"

#include <QCoreApplication>
#include <QFont>

frmAbout::frmAbout(QWidget *parent) : QDialog(parent), ui(std::make_unique<Ui::frmAbout>())
{
    ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(size());
    if (parent != nullptr) {
        setFont(parent->font());  // the dialog font of the window that opens it
        centreOver(*this, *parent);
    } else {
        centreOnScreen(*this);
    }

    QFont titleFont(QStringLiteral("MS Sans Serif"));
    titleFont.setStyleHint(QFont::SansSerif);
    titleFont.setPointSizeF(8.25);
    titleFont.setBold(true);
    ui->lblTitle->setFont(titleFont);

    // The two lines of the etched rule form one control array, Line1(0) and Line1(1).
    const std::pair<QWidget *, int> lines[] = {{ui->Line1_0, 0}, {ui->Line1_1, 1}};
    for (const auto &[line, index] : lines) {
        line->setObjectName(QStringLiteral("Line1"));
        line->setProperty("index", index);
    }

    // Enter presses the default button OK; Esc closes the dialog as a cancel button would.
    connect(ui->cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    Form_Load();
    ui->cmdOK->setFocus();
}

frmAbout::~frmAbout() = default;

void frmAbout::Form_Load()
{
    // The title in the user's language, as the main window's caption shows it.
    ui->lblTitle->setText(QCoreApplication::translate("frmMain", app_info::kTitle));
    ui->lblVersion->setText(tr("Version %1").arg(app_info::versionNumbers()));
    ui->lblCopyright->setText(QString::fromUtf8(app_info::kCopyright));
}

void frmAbout::cmdOK_Click()
{
    accept();
}
