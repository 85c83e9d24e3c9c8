// SPDX-License-Identifier: LicenseRef-proprietary
// The floor of a drawing export: a bare Qt Core program that writes the bytes
// of a drawing already made, read from a file, as plainly as it can. The
// benchmarks give `railpin --dxf` and `--svg` as multiples of it.
//
// usage: bench_write_bytes DRAWING OUT
#include <QCoreApplication>
#include <QFile>

#include <cstdio>

int main(int argc, char *argv[])
{
    const QCoreApplication application(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: bench_write_bytes DRAWING OUT\n");
        return 2;
    }
    QFile in(QString::fromLocal8Bit(argv[1]));
    QFile out(QString::fromLocal8Bit(argv[2]));
    if (!in.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly)) {
        std::fprintf(stderr, "bench_write_bytes: cannot open %s or %s\n", argv[1], argv[2]);
        return 1;
    }
    const QByteArray bytes = in.readAll();
    return out.write(bytes) == bytes.size() && out.flush() ? 0 : 1;
}
