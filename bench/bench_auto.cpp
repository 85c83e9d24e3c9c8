// SPDX-License-Identifier: LicenseRef-proprietary
// Auto: how long the count search takes for answers from a handful of
// railpins to a billion, alone and as one press of "Auto" on the real window
// (offscreen), next to one press of "-", which is a single recalculation.
//
// usage: bench_auto [REPEATS]
#include "auto_count.h"
#include "frm_main.h"
#include "mod_math.h"
#include "number_text.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace {

struct Case
{
    const char *length;
    const char *width;
    const char *maximumGap;
};

// Counts of about 6, a thousand, a million and a billion.
constexpr Case kCases[] = {
    {"36", "1 3/8", "4"},
    {"1500", "0.5", "1"},
    {"1500000", "0.5", "1"},
    {"1500000000", "0.5", "1"},
};
constexpr qint32 kSixteenths = 16;

double microseconds(const std::function<void()> &work)
{
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count();
}

double median(std::vector<double> values)
{
    std::nth_element(values.begin(), values.begin() + std::ptrdiff_t(values.size() / 2), values.end());
    return values[values.size() / 2];
}

template <typename T> T *child(const QWidget &window, const char *name)
{
    T *widget = window.findChild<T *>(QString::fromLatin1(name));
    if (widget == nullptr) {
        std::fprintf(stderr, "frmMain has no %s\n", name);
        std::exit(1);
    }
    return widget;
}

}  // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const int repeats = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1001;

    frmMain window;
    window.show();
    QApplication::processEvents();
    auto *length = child<QLineEdit>(window, "txtLength");
    auto *width = child<QLineEdit>(window, "txtWidth");
    auto *maximumGap = child<QLineEdit>(window, "txtMaximumGap");
    auto *count = child<QLineEdit>(window, "txtRailpinCount");
    auto *autoButton = child<QPushButton>(window, "cmdAuto");
    auto *subtractButton = child<QPushButton>(window, "cmdSubtract");

    std::printf("Auto at sixteenths, median of %d repeats, microseconds\n\n", repeats);
    std::printf("| %-28s | %13s | %10s | %12s | %12s | %14s |\n", "length / width / maximum gap", "count", "find",
                "Auto press", "one recalc.", "Auto - recalc.");
    std::printf("|%s|%s|%s|%s|%s|%s|\n", std::string(30, '-').c_str(), std::string(15, '-').c_str(),
                std::string(12, '-').c_str(), std::string(14, '-').c_str(), std::string(14, '-').c_str(),
                std::string(16, '-').c_str());

    for (const Case &c : kCases) {
        const auto_count::Inputs inputs{
            modMath::FractionToDecimal(QString::fromLatin1(c.length)),
            modMath::FractionToDecimal(QString::fromLatin1(c.width)),
            modMath::FractionToDecimal(QString::fromLatin1(c.maximumGap)),
            kSixteenths,
            number_text::localeDecimalPoint(),
        };
        auto_count::Result result;
        std::vector<double> finds;
        finds.reserve(std::size_t(repeats));
        for (int i = 0; i < repeats; ++i)
            finds.push_back(microseconds([&] { result = auto_count::find(inputs); }));
        if (result.verdict != auto_count::Verdict::Found) {
            std::fprintf(stderr, "no count found for %s / %s / %s\n", c.length, c.width, c.maximumGap);
            return 1;
        }

        length->setText(QString::fromLatin1(c.length));
        width->setText(QString::fromLatin1(c.width));
        maximumGap->setText(QString::fromLatin1(c.maximumGap));
        // Each press of "Auto" is followed by one of "-", which leaves a count
        // whose gap is too wide, so "Auto" is enabled for the next press.
        std::vector<double> presses;
        std::vector<double> recalculations;
        presses.reserve(std::size_t(repeats));
        recalculations.reserve(std::size_t(repeats));
        for (int i = 0; i < repeats; ++i) {
            if (!autoButton->isEnabled()) {
                std::fprintf(stderr, "Auto is disabled for %s / %s / %s\n", c.length, c.width, c.maximumGap);
                return 1;
            }
            presses.push_back(microseconds([&] { autoButton->click(); }));
            if (count->text() != number_text::decimalText(result.count)) {
                std::fprintf(stderr, "Auto gave %s, the search %s\n", qPrintable(count->text()),
                             qPrintable(number_text::decimalText(result.count)));
                return 1;
            }
            recalculations.push_back(microseconds([&] { subtractButton->click(); }));
        }
        const double press = median(presses);
        const double recalculation = median(recalculations);

        const std::string label = std::string(c.length) + " / " + c.width + " / " + c.maximumGap;
        std::printf("| %-28s | %13s | %10.1f | %12.1f | %12.1f | %14.1f |\n", label.c_str(),
                    qPrintable(number_text::decimalText(result.count)), median(finds), press, recalculation,
                    press - recalculation);
    }
    return 0;
}
