#include "app/commandline.h"

#include <QCommandLineParser>

#include <algorithm>

namespace commandline {

Outcome read(const QStringList &arguments)
{
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("visa den här hjälpen och avsluta"));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("visa programmets version och avsluta"));
    QCommandLineParser parser;
    parser.addOptions({help, version});

    Outcome outcome;
    if (arguments.size() <= 1)
        return outcome;
    outcome.startWindows = false;
    if (!parser.parse(arguments) || !parser.positionalArguments().isEmpty()
        || !(parser.isSet(help) || parser.isSet(version))) {
        // Qt's own error texts are English; name the first argument that is
        // none of the options as it stands.
        const QStringList known{QStringLiteral("-h"), QStringLiteral("--help"), QStringLiteral("-v"),
                                QStringLiteral("--version")};
        const auto first = std::find_if(arguments.cbegin() + 1, arguments.cend(),
                                        [&known](const QString &argument) { return !known.contains(argument); });
        outcome.exitStatus = 2;
        outcome.standardError = QStringLiteral("kvistra: okänt argument: %1\nSe kvistra --help.\n")
                                    .arg(first != arguments.cend() ? *first : arguments.at(1));
        return outcome;
    }
    if (parser.isSet(help)) {
        outcome.standardOutput = QStringLiteral(
            "Användning: kvistra [FLAGGA]\n"
            "En logg över dina löprundor: banor, rundor och tider.\n"
            "Utan flagga öppnas programmets fönster, med den aktuella mappen som\n"
            "datamapp (filerna RUNDA_BA och RUNDA_RE).\n"
            "\n"
            "Flaggor:\n");
        for (const QCommandLineOption &option : {help, version})
            outcome.standardOutput += QStringLiteral("  -%1, --%2  %3\n")
                                          .arg(option.names().at(0), option.names().at(1).leftJustified(7),
                                               option.description());
        outcome.standardOutput += QStringLiteral("\nSe även kvistra(1).\n");
    } else {
        outcome.standardOutput = QStringLiteral("Kvistra " KVISTRA_VERSION "\n");
    }
    return outcome;
}

} // namespace commandline
