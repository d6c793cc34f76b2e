#include "Master/Artwork.h"
#include "app/TallimoApplication.h"

#include <QDir>
#include <QImage>
#include <QSaveFile>

#include <cstdio>

// Run by the build, offscreen: draws the pictures the main page shows at
// every start into the given folder, one file each, named as the picture
// and holding its premultiplied ARGB32 rows, for the build to store in the
// program. The program's application object gives the pictures' numbers
// the font they have when drawn by the program itself.
int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    app::TallimoApplication application(argc, argv);
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    for (const master::Artwork::Picture picture : master::Artwork::kPreDrawn) {
        const QImage image =
            master::Artwork::Draw(picture).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
        QSaveFile file(folder.filePath(master::Artwork::Name(picture)));
        const bool saved = file.open(QIODevice::WriteOnly) &&
                           file.write(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes()) ==
                               image.sizeInBytes() &&
                           file.commit();
        if (!saved) {
            std::fprintf(stderr, "%s: cannot write %s\n", argv[0], qPrintable(file.fileName()));
            return 1;
        }
    }
    return 0;
}
