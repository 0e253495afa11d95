// Runs a fuzz target over saved inputs without libFuzzer: every file named, and every file of every
// folder named, in name order. A folder that does not exist holds nothing to replay.
#include "fuzztarget.h"

#include <QDir>
#include <QFileInfo>
#include <cstdio>
#include <vector>

int main(int argc, char *argv[])
{
    QFileInfoList files;
    for (int i = 1; i < argc; ++i) {
        const QFileInfo target(QFile::decodeName(argv[i]));
        if (target.isDir())
            files += QDir(target.filePath()).entryInfoList(QDir::Files, QDir::Name);
        else if (target.exists())
            files.append(target);
    }
    LLVMFuzzerInitialize(&argc, &argv);
    for (const QFileInfo &file : std::as_const(files)) {
        QFile input(file.filePath());
        if (!input.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "cannot read %s\n", qPrintable(input.fileName()));
            return 1;
        }
        // An exact copy on the heap, so reading one byte past the input is caught.
        const QByteArray bytes = input.readAll();
        const std::vector<uint8_t> copy(bytes.cbegin(), bytes.cend());
        LLVMFuzzerTestOneInput(copy.data(), copy.size());
    }
    std::printf("%d inputs replayed\n", int(files.size()));
    return 0;
}
