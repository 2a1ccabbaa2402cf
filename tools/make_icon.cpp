// Makes the desktop icon from the start picture: its first frame, scaled
// smoothly to fit a square of each given size, centred on a clear
// background, written as kvistra-<size>.png into the output folder.
//
//     make_icon resources/start.gif build/icons 48 128 256

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QStringList>

#include <cstdio>
#include <cstdlib>

namespace {

int fail(const QString &what)
{
    std::fprintf(stderr, "make_icon: %s\n", qPrintable(what));
    return EXIT_FAILURE;
}

QImage squareIcon(const QImage &picture, int size)
{
    const QImage scaled = picture.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QImage icon(size, size, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.drawImage((size - scaled.width()) / 2, (size - scaled.height()) / 2, scaled);
    return icon;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() < 4)
        return fail(QStringLiteral("usage: make_icon <picture> <output folder> <size>..."));

    QImageReader reader(arguments.at(1));
    const QImage picture = reader.read().convertToFormat(QImage::Format_ARGB32);
    if (picture.isNull())
        return fail(arguments.at(1) + QStringLiteral(": ") + reader.errorString());

    const QDir folder(arguments.at(2));
    if (!folder.mkpath(QStringLiteral(".")))
        return fail(arguments.at(2) + QStringLiteral(": the folder cannot be made"));

    for (const QString &argument : arguments.mid(3)) {
        bool ok = false;
        const int size = argument.toInt(&ok);
        if (!ok || size < 16 || size > 1024)
            return fail(argument + QStringLiteral(": not an icon size"));
        const QString path = folder.filePath(QStringLiteral("kvistra-%1.png").arg(size));
        if (!squareIcon(picture, size).save(path, "PNG"))
            return fail(path + QStringLiteral(": cannot be written"));
    }
    return EXIT_SUCCESS;
}
