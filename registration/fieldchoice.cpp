#include "registration/fieldchoice.h"

#include <QSettings>

#include <memory>

namespace fieldchoice {
namespace {

// One file per user, whatever folder Kvistra is started from; an INI file
// on every system, so that its place can be moved (tests do) everywhere.
std::unique_ptr<QSettings> open()
{
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Kvistra"),
                                       QStringLiteral("kvistra"));
}

const QString noteKey = QStringLiteral("Registrera/Information");
const QString temperatureKey = QStringLiteral("Registrera/Temperatur");
const QString weightKey = QStringLiteral("Registrera/Vikt");

void put(QSettings &settings, const Chosen &chosen)
{
    settings.setValue(noteKey, chosen.note);
    settings.setValue(temperatureKey, chosen.temperature);
    settings.setValue(weightKey, chosen.weight);
}

} // namespace

Chosen load()
{
    const auto settings = open();
    return Chosen{settings->value(noteKey, true).toBool(), settings->value(temperatureKey, true).toBool(),
                  settings->value(weightKey, true).toBool()};
}

void save(const Chosen &chosen)
{
    const Chosen former = load();
    const auto settings = open();
    put(*settings, chosen);
    settings->sync();
    // Qt keeps what it could not write and would show it to every reader
    // in this process: the former choice takes its place again.
    if (settings->status() != QSettings::NoError)
        put(*settings, former);
}

} // namespace fieldchoice
