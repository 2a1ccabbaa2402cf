#include "app/commandline.h"

#include <QCommandLineParser>

#include <algorithm>

namespace commandline {

Outcome read(const QStringList &arguments)
{
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    QCommandLineParser parser;
    parser.addOptions({help, version});

    Outcome outcome;
    if (arguments.size() <= 1)
        return outcome;
    outcome.startWindows = false;
    if (!parser.parse(arguments) || !parser.positionalArguments().isEmpty()
        || !(parser.isSet(help) || parser.isSet(version))) {
        // Qt's own error texts are English; name the first argument that is
        // none of the options as it stands (there is one, or the parse
        // would have found help or version and nothing else).
        const QStringList known{QStringLiteral("-h"), QStringLiteral("--help"), QStringLiteral("-v"),
                                QStringLiteral("--version")};
        const auto first = std::find_if(arguments.cbegin() + 1, arguments.cend(),
                                        [&known](const QString &argument) { return !known.contains(argument); });
        outcome.exitStatus = 2;
        outcome.standardError = QStringLiteral("kvistra: okänt argument: %1\nSe kvistra --help.\n")
                                    .arg(first != arguments.cend() ? *first : QString());
        return outcome;
    }
    if (parser.isSet(help)) {
        outcome.standardOutput = QStringLiteral(
            "Användning: kvistra [FLAGGA]\n"
            "En logg över dina löprundor: banor, rundor och tider.\n"
            "Utan flagga öppnas programmets fönster, med den aktuella mappen som\n"
            "datamapp (filerna RUNDA_BA och RUNDA_RE).\n"
            "\n"
            "Flaggor:\n"
            "  -h, --help     visa den här hjälpen och avsluta\n"
            "  -v, --version  visa programmets version och avsluta\n"
            "\n"
            "Se även kvistra(1).\n");
    } else {
        outcome.standardOutput = QStringLiteral("Kvistra " KVISTRA_VERSION "\n");
    }
    return outcome;
}

} // namespace commandline
