#include "app/app_icon.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

// Writes Fennick's icon in the layout of an icon theme folder:
//   icon_tool ROOT SIZE...
// gives ROOT/scalable/apps/fennick.svg and ROOT/SIZExSIZE/apps/fennick.png.
namespace {

bool writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

bool writePicture(const QString& root, int size) {
    const QString folder = QStringLiteral("%1/%2x%2/apps").arg(root).arg(size);
    return QDir().mkpath(folder) &&
           fennick::drawFennickIcon(size).save(folder + QStringLiteral("/fennick.png"), "PNG");
}

} // namespace

int main(int argc, char** argv) {
    QTextStream errors(stderr);
    if (argc < 2) {
        errors << "usage: icon_tool ROOT SIZE...\n";
        return 2;
    }
    const QString root = QString::fromLocal8Bit(argv[1]);
    if (!writeFile(root + QStringLiteral("/scalable/apps/fennick.svg"),
                   fennick::fennickIconSvg())) {
        errors << "icon_tool: cannot write the SVG icon below " << root << '\n';
        return 1;
    }
    for (int i = 2; i < argc; ++i) {
        const int size = QString::fromLocal8Bit(argv[i]).toInt();
        if (size <= 0 || size > 1024 || !writePicture(root, size)) {
            errors << "icon_tool: cannot write the " << argv[i] << " pixel icon below " << root
                   << '\n';
            return 1;
        }
    }
    return 0;
}
