// SPDX-License-Identifier: LicenseRef-proprietary
// The floor of a text output: a bare Qt Core program that prints a text
// already made, read from a file, as plainly as it can. The benchmarks give
// `railpin --marks` as a multiple of it.
//
// usage: bench_print_text TEXT
#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

#include <cstdio>

int main(int argc, char *argv[])
{
    const QCoreApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: bench_print_text TEXT\n");
        return 2;
    }
    QFile in(QString::fromLocal8Bit(argv[1]));
    if (!in.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "bench_print_text: cannot open %s\n", argv[1]);
        return 1;
    }
    QTextStream out(stdout);
    out << QString::fromUtf8(in.readAll());
    out.flush();
    return out.status() == QTextStream::Ok ? 0 : 1;
}
