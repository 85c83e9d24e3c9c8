// SPDX-License-Identifier: LicenseRef-proprietary
// The job's stair fields: the least railpins a stair given by its treads
// takes on each tread, and the sphere the opening under a stair's bottom
// rail is checked against.
#include "job_fields_panel.h"

#include "cell_text.h"
#include "frm_job.h"
#include "job_document.h"
#include "job_limits.h"
#include "measurement.h"
#include "stair_triangle.h"
#include "ui_frm_job.h"

#include <QSignalBlocker>

namespace {

// Steps of the spin box in a row are one change to undo.
constexpr int kMinPerTreadMergeId = 3;

}  // namespace

void JobFieldsPanel::connectStairFields()
{
    ui.spnMinPerTread->setRange(1, int(layout::kMostMinimumPerTread));
    QObject::connect(ui.spnMinPerTread, &QSpinBox::valueChanged, &window, [this] { spnMinPerTread_Change(); });
    QObject::connect(ui.txtTriangleSphere, &QLineEdit::editingFinished, &window,
                     [this] { txtTriangleSphere_Change(); });
}

void JobFieldsPanel::showStairFields()
{
    const layout::Job &shown = document.job();
    const QSignalBlocker leastQuiet(ui.spnMinPerTread);
    const QSignalBlocker sphereQuiet(ui.txtTriangleSphere);
    ui.spnMinPerTread->setValue(int(shown.minPerTread.value_or(layout::kDefaultMinimumPerTread)));
    ui.txtTriangleSphere->setText(cell_text::shown(shown.triangleSphere.value_or(QString()), decimalPoint));
    // Empty follows the building code's sphere in the job's unit.
    layout::Job standard = shown;
    standard.triangleSphere.reset();
    //: The triangle sphere field when empty: the usual sphere, with its unit ("6 in").
    ui.txtTriangleSphere->setPlaceholderText(tr("%1 %2").arg(
        cell_text::shown(layout::jobTriangleSphere(standard), decimalPoint), layout::unitName(shown.unit)));
    showFieldProblem(ui.txtTriangleSphere, shown.triangleSphere.value_or(QString()), true);
}

// The default of 2 is kept as no value, so that a job that never set it
// saves as before.
void JobFieldsPanel::spnMinPerTread_Change()
{
    const qint64 least = ui.spnMinPerTread->value();
    const std::optional<qint64> given =
        least == layout::kDefaultMinimumPerTread ? std::nullopt : std::optional<qint64>(least);
    if (given != document.job().minPerTread)
        setJobField([given](layout::Job &changed) { changed.minPerTread = given; }, tr("Change Railpins per Tread"),
                    kMinPerTreadMergeId);
}

void JobFieldsPanel::txtTriangleSphere_Change()
{
    const QString typed = cell_text::stored(ui.txtTriangleSphere->text(), decimalPoint).trimmed();
    const std::optional<QString> sphere = typed.isEmpty() ? std::nullopt : std::optional<QString>(typed);
    const std::optional<QString> &now = document.job().triangleSphere;
    if (sphere != (now && !now->trimmed().isEmpty() ? now : std::nullopt))
        setJobField([&sphere](layout::Job &changed) { changed.triangleSphere = sphere; }, tr("Change Triangle Sphere"));
}
