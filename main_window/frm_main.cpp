// SPDX-License-Identifier: LicenseRef-proprietary
#include "frm_main.h"

#include "dialog_presenter.h"
#include "error_report.h"
#include "frm_about.h"
#include "increments.h"
#include "input_cue.h"
#include "number_text.h"
#include "print_screen.h"
#include "ui_frm_main.h"
#include "window_icon.h"
#include "window_placement.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QSignalBlocker>

namespace {

// A font requested by family name; where the family is missing, the
// default sans family at the same size stands in.
QFont namedFont(const QString &family, qreal points)
{
    QFont font(family);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    return font;
}

// The dialog font of this program for controls without a font of their own:
// an Arial-metric sans at a size at which every caption fits its label.
QFont dialogFont()
{
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial"), QStringLiteral("Nimbus Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(7.5);
    return font;
}

// A new widget starts in the application's font and takes its parent's only
// after: each text field would lay itself out once in a font never shown,
// loading that font for nothing. While the window is built, the application's
// font is the window's; the one before comes back after.
class ApplicationFontWhileBuilding
{
public:
    explicit ApplicationFontWhileBuilding(const QFont &font) : before(QApplication::font())
    {
        QApplication::setFont(font);
    }
    ~ApplicationFontWhileBuilding() { QApplication::setFont(before); }
    ApplicationFontWhileBuilding(const ApplicationFontWhileBuilding &) = delete;
    ApplicationFontWhileBuilding &operator=(const ApplicationFontWhileBuilding &) = delete;

private:
    QFont before;
};

}  // namespace

frmMain::frmMain(QWidget *parent) : QMainWindow(parent), ui(std::make_unique<Ui::frmMain>())
{
    // The dialog font first, so that no caption is measured in another font on the way.
    const ApplicationFontWhileBuilding building(dialogFont());
    setFont(dialogFont());
    ui->setupUi(this);
    setWindowIcon(railpinWindowIcon());
    applyFontsAndFrame();
    connectHandlers();
    Form_Load();
}

frmMain::~frmMain() = default;

layout::CalculatorSnapshot frmMain::snapshot() const
{
    const bool railpinsCounted = number_text::leadingNumberValue(ui->txtRailpinCount->text()) > 0;
    return {ui->txtLength->text(),
            ui->txtWidth->text(),
            ui->txtMaximumGap->text(),
            ui->cboIncrement->currentData().toInt(),
            currentCount,
            railpinsCounted && !resultsCurrent};
}

void frmMain::setExitCheck(std::function<bool()> readyToExit)
{
    exitCheck = std::move(readyToExit);
}

void frmMain::applyFontsAndFrame()
{
    ui->cmdAdd->setFont(namedFont(QStringLiteral("MS Sans Serif"), 9.75));
    ui->cmdSubtract->setFont(namedFont(QStringLiteral("MS Sans Serif"), 9.75));
    ui->Label5->setFont(namedFont(QStringLiteral("Small Fonts"), 6.75));
    ui->mnuFileSep1->setSeparator(true);

    // A fixed dialog frame without minimise and maximise boxes, the client
    // area exactly as laid out, centred on the screen where it fits.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    const QSize clientArea(436, 193);
    ui->centralwidget->setFixedSize(clientArea);
    setFixedSize(clientArea.width(), clientArea.height() + menuBar()->sizeHint().height());
    centreOnScreen(*this);
}

void frmMain::connectHandlers()
{
    connect(ui->cboIncrement, &QComboBox::currentIndexChanged, this, &frmMain::cboIncrement_Click);
    // A list-only combo box never edits its text, so this never fires from user input.
    connect(ui->cboIncrement, &QComboBox::editTextChanged, this, &frmMain::cboIncrement_Change);

    connect(ui->cmdAdd, &QPushButton::clicked, this, &frmMain::cmdAdd_Click);
    connect(ui->cmdSubtract, &QPushButton::clicked, this, &frmMain::cmdSubtract_Click);
    connect(ui->cmdAuto, &QPushButton::clicked, this, &frmMain::cmdAuto_Click);

    connect(ui->txtLength, &QLineEdit::textChanged, this, &frmMain::txtLength_Change);
    connect(ui->txtWidth, &QLineEdit::textChanged, this, &frmMain::txtWidth_Change);
    connect(ui->txtMaximumGap, &QLineEdit::textChanged, this, &frmMain::txtMaximumGap_Change);
    // A count written anew is current only once Calculate has laid it out.
    connect(ui->txtRailpinCount, &QLineEdit::textChanged, this, [this] {
        currentCount.reset();
        resultsCurrent = false;
    });
    for (QLineEdit *field : {ui->txtLength, ui->txtWidth, ui->txtMaximumGap}) {
        field->installEventFilter(this);
        input_cue::attach(*field);
    }

    connect(ui->mnuFilePrint, &QAction::triggered, this, &frmMain::mnuFilePrint_Click);
    connect(ui->mnuFileLayout, &QAction::triggered, this, &frmMain::mnuFileLayout_Click);
    connect(ui->mnuFileOpenJob, &QAction::triggered, this, &frmMain::mnuFileOpenJob_Click);
    connect(ui->mnuFileExit, &QAction::triggered, this, &frmMain::mnuFileExit_Click);
    connect(ui->mnuHelpAbout, &QAction::triggered, this, &frmMain::mnuHelpAbout_Click);
}

// Focus handlers of the three input fields. A click that focuses a field
// would place the caret on release, so the whole text is selected after it.
bool frmMain::eventFilter(QObject *watched, QEvent *event)
{
    auto *field = qobject_cast<QLineEdit *>(watched);
    if (field == nullptr)
        return QMainWindow::eventFilter(watched, event);

    if (event->type() == QEvent::FocusIn) {
        if (static_cast<QFocusEvent *>(event)->reason() == Qt::MouseFocusReason)
            pendingClickFocus = field;
        if (field == ui->txtLength)
            txtLength_GotFocus();
        else if (field == ui->txtWidth)
            txtWidth_GotFocus();
        else if (field == ui->txtMaximumGap)
            txtMaximumGap_GotFocus();
    } else if (event->type() == QEvent::MouseButtonRelease && pendingClickFocus == field) {
        pendingClickFocus = nullptr;
        if (!field->hasSelectedText())  // keep a selection the user dragged
            SelectAllText();
    } else if (event->type() == QEvent::FocusOut && pendingClickFocus == field) {
        pendingClickFocus = nullptr;
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmMain::Form_Load()
{
    runTrapped(this, "Form_Load", [this] {
        for (const increments::Increment &increment : increments::kAll) {
            // Appending is not a selection: the list stays without one until
            // the default is chosen below.
            const QSignalBlocker quiet(ui->cboIncrement);
            ui->cboIncrement->addItem(increment.shownName());
            ui->cboIncrement->setItemData(ui->cboIncrement->count() - 1, increment.denominator);
            ui->cboIncrement->setCurrentIndex(-1);
        }
        // Raises the selection notification: cboIncrement_Click calculates.
        ui->cboIncrement->setCurrentIndex(int(increments::kDefaultIndex));
    });
}

void frmMain::cboIncrement_Click()
{
    runTrapped(this, "cboIncrement_Click", [this] { Calculate(); });
}

void frmMain::cboIncrement_Change()
{
    runTrapped(this, "cboIncrement_Change", [this] { Calculate(); });
}

void frmMain::mnuFilePrint_Click()
{
    runTrapped(this, "mnuFilePrint_Click", [this] {
        // The layout sheet follows the fields as they read now.
        printScreen(*this, snapshot());
    });
}

void frmMain::mnuFileLayout_Click()
{
    emit newJobRequested(snapshot());
}

void frmMain::mnuFileOpenJob_Click()
{
    emit openJobRequested();
}

// Ends the program at once, unless a job window holds unsaved work: each
// such window asks first, and Cancel keeps everything open.
void frmMain::mnuFileExit_Click()
{
    if (exitCheck && !exitCheck())
        return;
    QCoreApplication::exit(0);
}

void frmMain::mnuHelpAbout_Click()
{
    std::unique_ptr<frmAbout> about;
    runTrapped(this, "mnuHelpAbout_Click", [this, &about] {
        about = std::make_unique<frmAbout>(this);
        dialogs::exec(*about);
    });
    about.reset();  // the exit step: no About window outlives the command
}
