// SPDX-License-Identifier: LicenseRef-proprietary
#include "order_list_dialog.h"

#include <QAbstractItemModel>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QTest>

namespace {

layout::Job threeBays(layout::Unit unit)
{
    layout::Job job;
    job.unit = unit;
    const bool inches = unit == layout::Unit::Inches;
    job.railpinWidth = inches ? QStringLiteral("1 1/2") : QStringLiteral("41");
    job.maximumGap = inches ? QStringLiteral("4") : QStringLiteral("99");
    for (int bay = 1; bay <= 3; ++bay) {
        layout::Section section;
        section.name = QStringLiteral("Front %1").arg(bay);
        section.length = inches ? QStringLiteral("65.5") : QStringLiteral("1710.5");
        job.sections.push_back(section);
    }
    return job;
}

// The table's rows as "item|length|count|with extra|stock|buy".
QStringList shownRows(const OrderListDialog &dialog)
{
    const QAbstractItemModel *model = dialog.findChild<QTableView *>(QStringLiteral("tblOrder"))->model();
    QStringList rows;
    for (int row = 0; row < model->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < model->columnCount(); ++column)
            cells << model->index(row, column).data().toString();
        rows << cells.join(u'|');
    }
    return rows;
}

template <typename Widget> Widget *field(const OrderListDialog &dialog, const char *name)
{
    Widget *widget = dialog.findChild<Widget *>(QLatin1String(name));
    if (widget == nullptr)
        qFatal("no %s in the order list dialog", name);
    return widget;
}

QPushButton *okButton(const OrderListDialog &dialog)
{
    return field<QDialogButtonBox>(dialog, "btnOrderList")->button(QDialogButtonBox::Ok);
}

}  // namespace

class TestOrderListDialog : public QObject
{
    Q_OBJECT

private slots:
    // Typing a setting shows the list it gives at once; the settings come
    // back as the job file keeps them, with "." and "," whatever the locale.
    void typedSettingsShowTheirList_data()
    {
        QTest::addColumn<bool>("metric");
        QTest::addColumn<QChar>("decimalPoint");
        QTest::addColumn<QString>("railStock");
        QTest::addColumn<QString>("railpinLength");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QString>("storedStock");
        QTest::newRow("inches, stock in feet") << false << QChar(u'.') << "12', 16'"
                                               << "32"
                                               << QStringList{"Rail board|144|3||144|3", "Rail piece|65 1/2|6||144|",
                                                              "Railpin|32|36|40||40", "Screw||168|185||185"}
                                               << "12', 16'";
        QTest::newRow("millimetres with a decimal comma")
            << true << QChar(u',') << "3600; 4800,5"
            << ""
            << QStringList{"Rail board|3600|3||3600|3", "Rail piece|1710|6||3600|", "Railpin||36|40||40",
                           "Screw||168|185||185"}
            << "3600, 4800.5";
    }

    void typedSettingsShowTheirList()
    {
        QFETCH(bool, metric);
        QFETCH(QChar, decimalPoint);
        QFETCH(QString, railStock);
        QFETCH(QString, railpinLength);
        QFETCH(QStringList, rows);
        QFETCH(QString, storedStock);
        OrderListDialog dialog(threeBays(metric ? layout::Unit::Millimetres : layout::Unit::Inches), decimalPoint);
        QTest::keyClicks(field<QLineEdit>(dialog, "txtRailStock"), railStock);
        QTest::keyClicks(field<QLineEdit>(dialog, "txtRailpinLength"), railpinLength);
        QCOMPARE(shownRows(dialog), rows);
        QVERIFY(okButton(dialog)->isEnabled());
        const layout::OrderSettings settings = dialog.settings();
        QCOMPARE(settings.railStock.value_or(QString()), storedStock);
        QCOMPARE(settings.railRows, 2);
        QVERIFY(!settings.kerf);  // left to the unit's default
    }

    // Settings that cannot be read are named under the table and cannot be
    // accepted.
    void unreadableSettingsBlockOk_data()
    {
        QTest::addColumn<QString>("fieldName");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("problem");
        QTest::newRow("stock") << "txtRailStock"
                               << "8 ft, ten"
                               << "the rail stock \"8 ft, ten\" is not a list";
        QTest::newRow("kerf") << "txtKerf"
                              << "-1/8"
                              << "the kerf \"-1/8\" is less than 0";
        QTest::newRow("railpin length") << "txtRailpinLength"
                                        << "long"
                                        << "the railpin length";
    }

    void unreadableSettingsBlockOk()
    {
        QFETCH(QString, fieldName);
        QFETCH(QString, typed);
        QFETCH(QString, problem);
        OrderListDialog dialog(threeBays(layout::Unit::Inches), u'.');
        QTest::keyClicks(field<QLineEdit>(dialog, fieldName.toLatin1().constData()), typed);
        QVERIFY(!okButton(dialog)->isEnabled());
        QVERIFY2(field<QLabel>(dialog, "lblOrderProblems")->text().contains(problem),
                 qPrintable(field<QLabel>(dialog, "lblOrderProblems")->text()));
        QCOMPARE(shownRows(dialog), QStringList());
    }
};

QTEST_MAIN(TestOrderListDialog)
#include "tst_order_list_dialog.moc"
