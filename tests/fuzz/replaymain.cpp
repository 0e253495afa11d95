// Runs a fuzz target over saved inputs without libFuzzer: every file named, and every file of every
// folder named, in name order. A folder that does not exist holds nothing to replay.
#include "fuzztarget.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>

namespace {

int replayFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(path));
        return 1;
    }
    const QByteArray input = file.readAll();
    // An exact copy on the heap, so reading one byte past the input is caught.
    std::vector<uint8_t> bytes(input.cbegin(), input.cend());
    LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    // Paths first: the target's set-up moves into a scratch working directory.
    QStringList files;
    for (int i = 1; i < argc; ++i) {
        const QFileInfo target(QFile::decodeName(argv[i]));
        if (target.isDir()) {
            for (const QFileInfo &entry : QDir(target.filePath()).entryInfoList(QDir::Files, QDir::Name))
                files.append(entry.absoluteFilePath());
        } else if (target.exists()) {
            files.append(target.absoluteFilePath());
        }
    }
    LLVMFuzzerInitialize(&argc, &argv);
    int failures = 0;
    for (const QString &file : std::as_const(files))
        failures += replayFile(file);
    std::printf("%d inputs replayed\n", int(files.size()));
    return failures == 0 ? 0 : 1;
}
