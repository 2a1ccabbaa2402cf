// The windows driven as a user would, one script a path: what is typed and
// pressed, the messages shown in order, the files and the windows afterwards.
// The rules behind them are tested without a window.

#include "data/cp1252.h"
#include "support/fixture.h"

namespace {

// Course and run files, and the example run typed into the run window.
const QString three = t("BA Ängsvägen/05/02500;Skogsrundan €/10/99999;Kort/01/00010");
const QString four = t("BA Kort/01/00010;Hörnsjön 2 stora varv/03/06000;Två/02/01000;Tio/10/09999");
const QString fiveRuns = t("Kort/01/00010/M/01-jan-2001/a/+1/70.0/00.01.00;Kort/01/00010/M/02-jan-2001/b/+1/70.0/"
                           "00.01.00;Två/02/01000/T/03-jan-2001/c/-3/71.0/00.02.00/00.04.00");
const QString example = t("Hörnsjön 2 stora varv/03/06000/T/02-feb-2001/Kändes bra. Sol och bra väder./+20/79.0/"
                          "00.10.15/00.21.40/00.33.05");
const QString typeExample = t(
    "choose Regrunda 1 >> type Regrunda T_reg4 T >> type Regrunda T_reg5 02-feb-2001 >> type Regrunda T_reg6 Kändes "
    "bra. Sol och bra väder. >> type Regrunda T_reg7 +20 >> type Regrunda T_reg8 79.0 >> type Regrunda Text1 "
    "00.10.15 >> type Regrunda Text2 00.21.40 >> type Regrunda Text3 00.33.05 >> type Regrunda Text4 fel >> type "
    "Regrunda Text10 fel");
const QString typeCourse = t("type Regbana T_ban11 %1 >> type Regbana T_mellan11 %2 >> type Regbana T_distans11 %3");
const QString choosing = t("shown Regrunda Command2 Label7 List1");
const QString entering = t("shown Regrunda Command1 Command2 Label1 Label2 Label3 Label4 Label5 Label6 Label8 "
                           "T_banareg1 T_reg4 T_reg5 T_reg6 T_reg7 T_reg8 Text1");
// Courses A (3 timed points), B and C (no runs), E (1) and T (10) with
// runs of A, each on 1 January, its times telling the year.
const QString courses = t("BA A/03/06000;B/03/00500;C/03/01000;E/01/00100;T/10/09999");
const QString runOfA = t("A/03/06000/T/01-jan-%1/Kändes bra/+20/79.0/00.01.%2/00.02.%2/00.03.%2");
const QString noRuns = t("Du har ingen registrerad runda för banan");
const QString identical = t("Du har banan registrerad sedan tidigare, och antalet mellantider och distansen är "
                            "samma. Jag tar inte med din bana. Prova om.");
// What the user is told about a data file: %1 stands for its name.
const QString unread = t("Filen %1 kunde inte läsas. Inget har ändrats i filen.");
const QString unsaved = t("Filen %1 kunde inte sparas. Inget har ändrats i filen.");
const QString busy = t("Filen %1 används av ett annat program. Inget har ändrats i filen.");
const QString warning = t("Troligtvis första gången du startar programmet! Du saknar en fil som heter runda_ba. Den "
                          "ska innehålla alla dina registrerade banor. Vi ska nu registrera din första bana.");

} // namespace

class TestWindows : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void paths_data()
    {
        QTest::addColumn<QString>("script");
        const auto row = [](const char *tag, const QString &script) { QTest::newRow(tag) << script; };

        // Every window's caption and client area, the places of the controls at
        // the edges of the layouts in pixels of 15 twips, the tab orders.
        row("layout", four + t(" >> open Start >> window Start Kvistra ver 2.1 481,180 >> open Info >> window Info "
            "Information om Kvistra 470,487 >> open Menu >> window Menu Kvistra Huvudmeny 1033,562 >> place Menu "
            "Label1 312,64,73,17 >> place Menu Label91 456,496,497,17 >> place Menu Label92 384,496,73,17 >> place "
            "Menu Label95 456,48,497,17 on #c0c0c0 >> text Menu Label95 Mellantider >> open Regbana >> window Regbana "
            "Registrera bana 434,254 >> place Regbana Command1 224,192,193,49 >> tabs Regbana T_ban11 Command1 "
            "T_mellan11 T_distans11 Command2 T_ban11 >> open Regrunda >> window Regrunda Registrera en runda 856,486 "
            ">> place Regrunda List1 0,32,249,446 >> tabs Regrunda List1 >> choose Regrunda 3 >> place Regrunda "
            "Text10 784,400,57,19 >> tabs Regrunda T_reg4 Command1 T_reg5 T_reg6 T_reg7 T_reg8 Text1 Text2 Text3 "
            "Text4 Text5 Text6 Text7 Text8 Text9 Text10 Command2 T_reg4"));
        // Every caption whole in the program's fonts, each window at its
        // fullest; the boxes' buttons in Swedish.
        const QString ten = t("Hörnsjön 2 stora varv/10/99999");
        row("every caption whole", t("BA %1 >> RE %1/T/02-feb-2001/Kändes bra/+20/79.0%2 >> open Start >> whole Start "
            ">> open Info >> whole Info >> open Menu >> choose Menu 0 >> whole Menu >> open Regbana >> whole Regbana "
            ">> open Regrunda >> choose Regrunda 0 >> whole Regrunda").arg(ten, t("/00.10.15").repeated(10)));
        row("Swedish buttons", t("buttons 0/2 Spara i: Filnamn: Filtyp: Spara Avbryt OK OK Avbryt Ja Nej!"));
        // Between the windows; once ended, nothing opens again.
        const QString start = t("BA A/01/00010 >> open Start >> ");
        row("menus and buttons", start + t("press Start M_visa >> loaded Start Menu >> press Start M_inform >> loaded "
            "Start Menu Info >> press Info Command1 >> loaded Start Menu >> press Menu M_Avsluta >> loaded Start >> "
            "press Start M_visa >> press Menu M_Bana >> loaded Start Regbana >> press Start M_visa >> press Menu "
            "M_Runda >> loaded Start Regbana Regrunda"));
        row("Avsluta", start + t("open Menu >> open Info >> press Start M_Start >> loaded >> ended yes >> open Info "
                                 ">> loaded >> file RUNDA_BA A/01/00010 >> file RUNDA_RE -"));
        // The program ends when no window is left loaded, however the last
        // one went; a handler that unloads its own window may show another.
        row("closed by the frame", start + t("open Info >> close Start >> loaded Info >> ended no >> close Info >> "
                                             "loaded >> ended yes"));
        row("last window by its button", start + t("open Info >> close Start >> press Info Command1 >> ended yes"));
        row("last window after a store", start + t("open Regbana >> close Start >> ") + typeCourse.arg(t("C"), t("1"),
                                             t("10")) + t(" >> press Regbana Command1 >> loaded >> ended yes"));
        row("last window to a refusal", start + t("open Menu >> close Start >> block RUNDA_RE >> press Menu M_Runda >> "
            "messages %1 >> loaded >> ended yes").arg(unread.arg(t("RUNDA_RE"))));
        row("Tillbaka without the start window", start + t("open Menu >> close Start >> press Menu M_Avsluta >> ended "
                                                           "no >> loaded Start"));
        // Shown again, the analysis window is as it was; loaded again, it
        // reads the course file and "Yngsta datum" is on.
        row("loaded afresh", start + t("open Menu >> rows >> press Menu Option2 >> BA A/01/00010;B/01/00010 >> press "
            "Start M_visa >> text Menu L_antbanor 1 >> checked Menu Option2 >> press Menu M_Avsluta >> press Start "
            "M_visa >> text Menu L_antbanor 2 >> checked Menu Option1 >> text Menu L_visatyear  >> key Menu HScroll2 "
            "Right >> text Menu L_visatyear 1971"));
        row("orderings by the arrow keys", start + t("open Menu >> focus Menu Option1 >> key Menu Option1 Right >> "
                                                     "checked Menu Option3"));

        // The first start: a refused answer is told and its question alone
        // asked again; Cancel is an empty answer.
        const QString questions = t("INFORMATION  Fil saknas som ska innehålla dina registrerade banor");
        row("first start", t("answer  Hörnsjön 2 stora varv ;3;6000 >> open Menu >> messages %1 >> boxes !%2|"
            "INMATNING AV BANA|INMATNING AV ANTALET TIDS REGISTRERINGAR|REGISTRERING FÖR BANA >> prompts Vad ska "
            "banan heta tex Hörnsjön 2 stora varv, max 50 tecken.|Hörnsjön 2 stora varv. Hur många tider ska du "
            "registrera (mellantider + slutiden) max 10 st.|Hörnsjön 2 stora varv. Distans i meter. Vet du inte "
            "distansen så ange ? tillsvidare! >> file RUNDA_BA Hörnsjön 2 stora varv/03/06000 >> text Menu "
            "L_antbanor 1").arg(warning, questions));
        row("answers refused", t("answer a/b;Bana;;3;12.5;? >> open Menu >> messages %1|Banans namn får inte "
            "innehålla tecknen / eller \" !|Du kan inte registrera in inga tider alls !|Något fel i registrering "
            "för distansen i meter. >> boxes !%2|INMATNING AV BANA|Kvistra|INMATNING AV BANA|INMATNING AV ANTALET "
            "TIDS REGISTRERINGAR|Kvistra|INMATNING AV ANTALET TIDS REGISTRERINGAR|REGISTRERING FÖR "
            "BANA|Kvistra|REGISTRERING FÖR BANA >> file RUNDA_BA Bana/03/99999").arg(warning, questions));
        row("course file taken while asking", t("open Start >> at REGISTRERING FÖR BANA|block RUNDA_BA >> answer "
            "Bana;3;6000 >> open Menu >> loaded Start >> messages %1|%2").arg(warning, unread.arg(t("RUNDA_BA"))));
        // Another copy of the program made the course file meanwhile.
        const QString made = t("at REGISTRERING FÖR BANA|BA %1 >> answer Bana;3;6000 >> open Menu >> messages %2");
        row("course file made while asking", made.arg(t("A/01/00010"), warning)
                                                 + t(" >> file RUNDA_BA A/01/00010;Bana/03/06000 >> loaded Menu"));
        row("same course made while asking", made.arg(t("Bana/03/06000"), warning + u'|' + identical)
                                                 + t(" >> file RUNDA_BA Bana/03/06000 >> text Menu L_antbanor 1"));
        row("empty course file", t("BA >> open Menu >> loaded Menu >> text Menu L_antbanor 0 >> file RUNDA_BA "));
        row("no course file to register a run", t("open Regrunda >> loaded Regrunda >> ") + choosing);
        // A file that cannot be read opens no window that reads it.
        for (const char *window : {"Menu", "Regbana", "Regrunda"})
            row(window, t("block RUNDA_BA >> open Start >> open %1 >> messages %2 >> loaded Start")
                            .arg(t(window), unread.arg(t("RUNDA_BA"))));
        row("run file unreadable for a run", four + t(" >> block RUNDA_RE >> open Regrunda >> loaded >> messages ")
                                                 + unread.arg(t("RUNDA_RE")));

        // Registering a course: the first failing check alone is told, every
        // press alike, and the boxes keep what the checks wrote back.
        const QString regbana = three + t(" >> open Start >> open Regbana >> ") + typeCourse;
        const QString stored = three.mid(3) + u';';
        row("first course file", t("open Regbana >> ") + typeCourse.arg(t("Okänd"), t("1"), t("?"))
                                     + t(" >> press Regbana Command1 >> file RUNDA_BA Okänd/01/99999"));
        // Each refusal alike at a second press; a name check that fails
        // leaves the count as typed, a later one keeps its leading zero.
        const QString refused = t(" >> press Regbana Command1 >> messages %1 >> press Regbana Command1 >> messages %1");
        row("course refused", regbana.arg(QString(), t("x"), t("9")) + refused.arg(t("Du kan inte registrera en bana "
            "med inget namn alls !")) + t(" >> text Regbana T_mellan11 x >> ") + typeCourse.arg(t("Ny"), QString(),
            t("?")) + refused.arg(t("Du kan inte skriva blankt här !")) + t(" >> type Regbana T_mellan11 7 >> type "
            "Regbana T_distans11 9") + refused.arg(t("Sträckan måste vara minst 10 meter!"))
            + t(" >> text Regbana T_mellan11 07 >> text Regbana T_distans11 9 >> ") + typeCourse.arg(t("Kort "), t("1"),
            t("10")) + refused.arg(identical) + t(" >> text Regbana T_distans11 00010 >> loaded Start Regbana >> "
            "file RUNDA_BA ") + three.mid(3) + t(" >> ") + typeCourse.arg(t(" Ny "), t("3"), t("6000"))
            + t(" >> press Regbana Command1 >> file RUNDA_BA ") + stored + t("Ny/03/06000"));
        // Stored after what the file holds at the press, not when the window
        // opened; the lock of another copy of the program is waited for, and
        // one left by a copy that died is taken over.
        const QString ny = regbana.arg(t("Ny"), t("3"), t("6000"));
        row("course stored meanwhile", ny + t(" >> ") + three + t(";Ny/03/06000 >> press Regbana Command1 >> messages ")
            + identical + t(" >> ") + three + t(";A/01/00010 >> press Regbana Command1 >> file RUNDA_BA ") + stored
            + t("A/01/00010;Ny/03/06000 >> file RUNDA_BA.lock -"));
        row("course file in use", ny + t(" >> lock RUNDA_BA >> press Regbana Command1 >> messages ")
            + busy.arg(t("RUNDA_BA")) + t(" >> loaded Start Regbana >> file RUNDA_BA ") + three.mid(3));
        row("course back", t("open Regbana >> ") + typeCourse.arg(t("Ny"), t("3"), t("6000"))
                               + t(" >> press Regbana Command2 >> loaded >> file RUNDA_BA -"));

        // Registering a run: the list goes once a course is chosen by a left
        // click or Enter, and as many time boxes as it has timed points come.
        row("choose a course", four + t(" >> open Regrunda >> ") + choosing + t(" >> choose Regrunda 0 >> ") + entering
                                   + t(" >> text Regrunda Label6 Ange sluttiden Ex/ 00.10.15 (dvs hh.mm.ss) >> text "
                                       "Regrunda T_banareg1 Kort"));
        row("ten time boxes", four + t(" >> open Regrunda >> choose Regrunda 3 >> ") + entering
                                  + t(" Text10 Text2 Text3 Text4 Text5 Text6 Text7 Text8 Text9"));
        row("right button, arrows, Enter", four + t(" >> open Regrunda >> choose Regrunda 1 right >> key Regrunda "
            "List1 Home >> key Regrunda List1 Down >> ") + choosing + t(" >> key Regrunda List1 Return >> text "
            "Regrunda T_banareg1 Hörnsjön 2 stora varv"));
        // The analysis window goes at every press, whatever the boxes hold.
        const QString regrunda = four + t(" >> RE %1 >> open Start >> open Regrunda >> ") + typeExample
                                 + t(" >> open Menu >> ");
        row("first run file", (four + t(" >> open Regrunda >> ") + typeExample)
                                  + t(" >> press Regrunda Command1 >> file RUNDA_RE ") + example);
        const QString refusedTwice = t(" >> press Regrunda Command1 >> messages %1 >> loaded Start Regrunda >> open "
                                       "Menu >> press Regrunda Command1 >> messages %1 >> loaded Start Regrunda >> "
                                       "text Regrunda Text10 fel >> file RUNDA_RE ") + fiveRuns;
        row("run refused", regrunda.arg(fiveRuns) + t("type Regrunda T_reg5 02-Feb-2001")
            + refusedTwice.arg(t("Fel månads stavning!|Fel registrerat i 2:a registrerings rutan !"))
            + t(" >> text Regrunda T_reg5 02-Feb-2001 >> type Regrunda T_reg5 02-feb-2001 >> type Regrunda Text2 ")
            + refusedTwice.arg(t("Du kan inte lämna blankt här! Tidsruta nr  2"))
            + t(" >> type Regrunda Text2 00.21.40 >> press Regrunda Command1 >> file RUNDA_RE ") + fiveRuns + u';'
            + example);
        // The course renamed by another copy meanwhile: nothing is stored, the
        // list comes back as the file holds it, the boxes keep what was typed.
        row("run on a course gone", regrunda.arg(fiveRuns) + t("BA Kort/01/00010;Hörnsjön/03/06000 >> press "
            "Regrunda Command1 >> messages Banan finns inte längre i filen RUNDA_BA. Rundan har inte sparats. >> ")
            + choosing + t(" >> file RUNDA_RE ") + fiveRuns + t(" >> choose Regrunda 1 >> press Regrunda Command1 >> "
            "file RUNDA_RE ") + fiveRuns + t(";Hörnsjön") + example.mid(21));
        row("run stored meanwhile", regrunda.arg(fiveRuns) + t("RE %1;A >> lock RUNDA_RE dead >> press Regrunda "
            "Command1 >> loaded Start >> file RUNDA_RE %1;A;").arg(fiveRuns) + example + t(" >> file RUNDA_RE.lock -"));
        // A folder in the run file's place reads as nothing.
        for (const auto &[lock, message] : {std::pair{t("lock"), busy}, {t("block"), unread}})
            row(lock == u"lock" ? "run file in use" : "run file taken meanwhile", regrunda.arg(fiveRuns) + lock
                + t(" RUNDA_RE >> press Regrunda Command1 >> messages ") + message.arg(t("RUNDA_RE"))
                + t(" >> loaded Start Regrunda >> file RUNDA_RE ") + (lock == u"lock" ? fiveRuns : QString()));
        // The fields chosen in the start window's menu: "Avbryt" keeps the
        // choice, "OK" keeps it for the next run window, whose hidden boxes
        // are passed by and stored empty, whatever they hold.
        const QString choose = t(" >> press Start M_val >> press ChooseFields %1Box >> press ChooseFields %2Button");
        row("fields chosen", four + t(" >> open Start") + choose.arg(t("temperature"), t("cancel"))
            + t(" >> loaded Start >> press Start M_val >> key ChooseFields okButton Escape >> loaded Start >> press "
                "Start M_val >> window ChooseFields Välj vad som registreras 272,144 >> "
                "whole ChooseFields >> place ChooseFields weightBox 24,64,185,19 >> place ChooseFields cancelButton "
                "176,104,81,25 >> checked ChooseFields informationBox temperatureBox weightBox >> press ChooseFields "
                "temperatureBox >> press ChooseFields okButton >> loaded Start >> open Regrunda >> ")
            + typeExample + t(" >> type Regrunda T_reg7 20 >> press Start M_val >> checked ChooseFields informationBox "
            "weightBox >> press Regrunda Command1 >> file RUNDA_RE ") + QString(example).replace(t("/+20/"), t("//")));
        row("no field chosen", four + t(" >> open Start") + choose.arg(t("information"), t("ok"))
            + choose.arg(t("temperature"), t("ok")) + choose.arg(t("weight"), t("ok")) + t(" >> open Regrunda >> ")
            + typeExample + t(" >> type Regrunda T_reg6  >> type Regrunda T_reg8 x >> shown Regrunda Command1 Command2 "
            "Label1 Label2 Label6 Label8 T_banareg1 T_reg4 T_reg5 Text1 Text2 Text3 >> tabs Regrunda T_reg4 Command1 "
            "T_reg5 Text1 Text2 Text3 Command2 T_reg4 >> press Regrunda Command1 >> file RUNDA_RE Hörnsjön 2 stora "
            "varv/03/06000/T/02-feb-2001////00.10.15/00.21.40/00.33.05"));
        row("choice not saved", four + t(" >> open Start") + choose.arg(t("temperature"), t("ok"))
            + t(" >> block Kvistra/kvistra.ini") + choose.arg(t("information"), t("ok"))
            + t(" >> messages Valet kunde inte sparas. Inget har ändrats. >> loaded Start ChooseFields >> open "
            "Regrunda >> choose Regrunda 0 >> ") + entering);
        row("run back", regrunda.arg(fiveRuns) + t("press Regrunda Command2 >> loaded Start Menu >> file RUNDA_RE ")
                            + fiveRuns);

        // A course click: each way of choosing runs the click once; without a
        // run file each run of it is told.
        const QString menu = courses + t(" >> open Menu >> ");
        row("each way of choosing", menu + t("choose Menu 0 >> messages %1 >> choose Menu 2 >> messages %1 >> choose "
            "Menu 2 >> messages %1 >> choose Menu 1 double >> messages %1 >> choose Menu 0 right >> messages >> key "
            "Menu List1 Down >> key Menu List1 Down >> messages %1|%1").arg(noRuns));
        row("focus alone", menu + t("focus Menu List1 >> messages"));
        // The course commands act on the course selected, or on the one the
        // list's context menu is opened on, which a right click does not
        // choose; with none, the user is told.
        const QString first = t("Välj först en bana i listan.");
        row("course commands", menu + t("press Menu M_Rundor >> press Menu M_AndraBana >> press Menu M_TaBortBana >> "
            "press Menu M_Diagram >> messages %1|%1|%1|%1 >> loaded Menu >> context Menu 1 >> press Menu List1_Rundor "
            ">> messages >> caption RunBook Alla rundor: B >> choose Menu 0 >> key Menu List1 Shift+F10 >> press Menu "
            "List1_AndraBana >> messages %2 >> text CorrectCourse T_ban11 A >> text CorrectCourse T_distans11 06000 >> "
            "press CorrectCourse backButton >> block RUNDA_RE >> press Menu List1_Rundor >> messages %3 "
            ">> loaded Menu").arg(first, noRuns, unread.arg(t("RUNDA_RE"))));
        // The run book: ordered by a header, again the other way; a run
        // corrected, deleted, or gone meanwhile, picked in the table ordered;
        // every change shown at once, in the order chosen.
        const QString runs = t("A/03/06000/T/01-jan-2001/a/+1/70.0/1/1/00.30.00;A/03/06000/M/01-jan-2003/b/+2/71.0/1/"
                               "1/00.20.00;B/03/00500/T/01-jan-2009/x/+1/70.0/1/1/1;A/03/06000/T/01-jan-2002/c/+3/72.0/"
                               "1/1/00.40.00").replace(t("/1/1/00"), t("/00.01.00/00.02.00/00"));
        const QString book = courses + t(" >> RE ") + runs + t(" >> open Start >> open Menu >> choose Menu 0 >> press "
                                                               "Menu M_Rundor >> ");
        const QString header = t("header RunBook runTable 2 >> ");
        row("run book ordered", book + t("text RunBook countLabel 3 rundor >> ") + header
            + t("table RunBook runTable 7 b;a;c >> ") + header + t("table RunBook runTable 7 c;a;b"));
        // Headers fit with their sort arrow; a long note keeps the others in sight.
        row("run book whole", courses + t(" >> RE A/03/06000/T/01-jan-2001/%1/+1/70.0/1/1/1 >> open Menu >> choose "
            "Menu 0 >> press Menu M_Rundor >> header RunBook runTable 5 >> whole RunBook")
            .arg(t("lång ").repeated(60)));
        // The selection stays on the corrected run, and on the row of one
        // deleted; the chart drawn afresh.
        row("run corrected", book + t("press Menu M_Diagram >> ") + header + header + t("pick RunBook runTable 1 >> "
            "key RunBook runTable Return >> text CorrectRun T_banareg1 A >> text CorrectRun Text3 00.30.00 >> type "
            "CorrectRun Text3 00.10.00 >> press CorrectRun storeButton >> loaded Start Menu RunBook Chart >> file "
            "RUNDA_RE %1 >> table RunBook runTable 7 c;b;a >> series Chart Årsbästa 3 600|Tävlingstempo 2 "
            "600|Träningstempo 1 1200 >> press RunBook correctButton >> text CorrectRun Text3 00.10.00 >> rows* 3 "
            "01-jan-2003,00.20.00,00.01.00 : 00.02.00 01-jan-2001,00.10.00,00.01.00 : 00.02.00")
            .arg(QString(runs).replace(t("00.30.00"), t("00.10.00"))));
        row("run deleted", book + t("header RunBook runTable 0 >> ").repeated(2) + t("answer Nej;Ja >> pick RunBook "
            "runTable 1 >> key RunBook runTable Delete >> press RunBook deleteButton >> messages %1|%1 >> text RunBook "
            "countLabel 2 rundor >> table RunBook runTable 7 b;a >> press RunBook correctButton >> text CorrectRun "
            "Text3 00.30.00 >> rows* 2 01-jan-2003,00.20.00,00.01.00 : 00.02.00 01-jan-2001,00.30.00,00.01.00 : "
            "00.02.00")
            .arg(t("Vill du ta bort rundan 01-jan-2002 med sluttiden 00.40.00?")));
        row("run gone meanwhile", book + t("pick RunBook runTable 0 >> press RunBook correctButton >> RE A >> press "
            "CorrectRun storeButton >> messages %1 >> text RunBook countLabel 1 rundor >> loaded Start Menu RunBook "
            "CorrectRun >> file RUNDA_RE A >> key RunBook runTable Escape >> press CorrectRun backButton >> loaded "
            "Start Menu")
            .arg(t("Rundan finns inte längre i filen RUNDA_RE. Inget har ändrats i filen.")));
        // A correction follows the field choice, but keeps a field the run holds.
        row("correction by the choice", courses + t(" >> RE A/03/06000/T/01-jan-2001/a/+1//00.01.00/00.02.00/00.30.00 "
            ">> open Start") + choose.arg(t("temperature"), t("ok")) + choose.arg(t("weight"), t("ok"))
            + t(" >> open Menu >> choose Menu 0 >> press Menu M_Rundor >> pick RunBook runTable 0 >> press RunBook "
            "correctButton >> shown CorrectRun Label1 Label2 Label3 Label4 Label6 Label8 T_banareg1 T_reg4 T_reg5 "
            "T_reg6 T_reg7 Text1 Text2 Text3 backButton storeButton >> type CorrectRun T_reg7 +5 >> press CorrectRun "
            "storeButton >> messages >> file RUNDA_RE A/03/06000/T/01-jan-2001/a/+5//00.01.00/00.02.00/00.30.00"));
        // A run stored without weight and temperature is corrected without them.
        row("correction of a run with empty fields", courses + t(" >> RE A/03/06000/T/01-jan-2001/a///00.01.00/"
            "00.02.00/00.30.00 >> open Menu >> choose Menu 0 >> press Menu M_Rundor >> pick RunBook runTable 0 >> "
            "press RunBook correctButton >> type CorrectRun T_reg6 b >> press CorrectRun storeButton >> messages >> "
            "file RUNDA_RE A/03/06000/T/01-jan-2001/b///00.01.00/00.02.00/00.30.00"));
        // A course corrected in both files; one with runs is not deleted.
        row("course corrected and deleted", book + t("press Menu M_Diagram >> press Menu M_AndraBana >> type "
            "CorrectCourse T_mellan11 4 >> press CorrectCourse storeButton >> messages Banan har 3 registrerade "
            "rundor. Antalet tider kan inte ändras. >> type CorrectCourse T_mellan11 3 >> type CorrectCourse T_ban11 "
            "A2  >> type CorrectCourse T_distans11 7000 >> press CorrectCourse storeButton >> loaded Start Menu "
            "RunBook Chart >> text Menu T_dist  7000 meter >> caption RunBook Alla rundor: A2 >> caption Chart "
            "Diagram: A2 >> count RUNDA_RE 4 A2/03/07000/T/01-jan-2001/a/+1/70.0/00.01.00/00.02.00/00.30.00 >> press "
            "Menu M_TaBortBana >> messages Banan har 3 registrerade rundor och kan inte tas bort. >> choose Menu 1 >> "
            "press Menu M_TaBortBana >> messages Banan har 1 registrerade rundor och kan inte tas bort. >> choose Menu "
            "2 >> "
            "answer Nej >> press Menu M_TaBortBana >> answer Ja >> press Menu M_TaBortBana >> messages Vill du ta bort "
            "banan C?|Vill du ta bort banan C? >> file RUNDA_BA A2/03/07000;B/03/00500;E/01/00100;T/10/09999 >> text "
            "Menu L_antbanor 4"));
        // Exported where the user says, the course name the default; a
        // failed write is told.
        const QString csvHeader = t("ï»¿Datum;Tempo;Sluttid;min/km;Mellantider;Grader;Vikt;Information");
        row("export", book + t("answer ;ut.csv;x.csv >> block x.csv >> press RunBook exportButton >> press RunBook "
            "exportButton >> press RunBook exportButton >> prompts A.csv|A.csv|A.csv >> messages Filen x.csv kunde "
            "inte sparas. >> count ut.csv 7 ") + csvHeader);
        // A file that is there, the name's ending left out or not, is replaced
        // after the program's own question: "Nej" shows the save dialog again.
        const QString replace = t("Filen ut.csv finns redan. Vill du ersätta den?");
        row("export over a file", book + t("answer ut.csv;Ja;ut.csv;Nej;;ut;Ja >> press RunBook exportButton >> "
            "pick RunBook runTable 0 >> press RunBook deleteButton >> press RunBook exportButton >> count ut.csv 7 %2 "
            ">> press RunBook exportButton >> count ut.csv 5 %2 >> prompts A.csv|A.csv|ut.csv|A.csv >> messages "
            "Vill du ta bort rundan 01-jan-2001 med sluttiden 00.30.00?|%1|%1").arg(replace, csvHeader));
        // A name shown as typed: never as formatting, "[*]" included.
        row("plain text", t("answer <i>Hörnsjön [*];3;6000;Nej >> open Menu >> messages %1 >> choose Menu 0 >> "
            "messages %2 >> press Menu M_TaBortBana >> messages Vill du ta bort banan <i>Hörnsjön [*]? >> press Menu "
            "M_Rundor >> caption RunBook Alla rundor: <i>Hörnsjön [*] >> RE <i>Hörnsjön "
            "[*]/03/06000/M/01-jan-2001/a/+1/1/1/1/00.01.00 >> press Menu M_Diagram >> caption Chart Diagram: "
            "<i>Hörnsjön [*] >> plain").arg(warning, noRuns));
        // Every control of every window where the listing has it; the new
        // windows whole.
        row("layout listed", book + t("pick RunBook runTable 0 >> press RunBook correctButton >> press Menu "
            "M_AndraBana >> press Menu M_Diagram >> press Menu M_Traningsmangd >> open Info >> open Regbana >> open "
            "Regrunda >> open ChooseFields >> "
            "layout as listed >> whole RunBook >> whole CorrectCourse"));

        // A failed click keeps the table unless the failure came after it was
        // hidden, and the captions stay.
        const QString clicked = courses + t(";X/x1/00100 >> RE* 2001 2002 ") + runOfA
                                + t(" >> open Menu >> choose Menu 0 >> rows 01-jan-2002,00.03.02,00.01.02 : 00.02.02;"
                                    "01-jan-2001,00.03.01,00.01.01 : 00.02.01 >> ");
        const QString kept = t(" >> rows* 2 01-jan-2002,00.03.02,00.01.02 : 00.02.02 01-jan-2001,00.03.01,00.01.01 : "
                               "00.02.01 >> text Menu T_dist  6000 meter >> text Menu L_visaantal 2");
        row("missing run file", clicked + t("remove RUNDA_RE >> choose Menu 1 >> messages %1").arg(noRuns) + kept);
        row("unreadable run file", clicked + t("block RUNDA_RE >> choose Menu 1 >> messages ")
            + unread.arg(t("RUNDA_RE")) + kept);
        row("count that is no number", clicked + t("choose Menu 5 >> messages %1 >> rows >> text Menu T_dist  6000 "
                                                   "meter >> text Menu L_visaantal 2").arg(noRuns));

        // The year interval: a new course sets both bars' range before their
        // positions, the same course keeps what the user set, both ends
        // included; the bars alone change no row. A handle stands at the end
        // of its year.
        row("year interval", courses + t(" >> RE "
            "A/03/06000/M/01-jan-2003/a/+1/1/1/1/1;A/03/06000/M/01-jan-1950/b/+1/1/1/1/1;"
            "A/03/06000/M/01-jan-2150/c/+1/1/1/1/1;A/03/06000/M/01-jan-2004/d/+1/1/1/1/1;"
            "B/03/00500/M/01-jan-2010/e/+1/1/1/1/1 >> open Menu >> choose Menu 0 >> text Menu HScroll1 1950..2150 1950 "
            ">> text Menu HScroll2 1950..2150 2150 >> text Menu L_visafyear 1950 >> text Menu L_visatyear 2150 >> "
            "handle HScroll1 left >> handle HScroll2 right >> bar HScroll1 2003 >> bar HScroll2 2004 >> rows* 4 "
            "01-jan-2150,1,1 : 1 01-jan-1950,1,1 : 1 >> choose Menu 0 >> text Menu L_visafyear 2003 >> rows "
            "01-jan-2004,1,1 : 1;01-jan-2003,1,1 : 1 >> choose Menu 1 >> text Menu L_visafyear 2010 >> choose Menu 0 "
            ">> text Menu L_visafyear 1950 >> text Menu L_visatyear 2150 >> bar HScroll1 2004 >> bar HScroll2 2003 >> "
            "choose Menu 0 >> rows >> text Menu L_visaantal 4"));
        // Hand-edited dates: a year that is no number is 0 and keeps its
        // caption, as do years with a leading zero; an empty date first in
        // year order leaves the interval.
        row("odd years", courses + t(" >> RE "
            "A/03/06000/M/15-mar-2003/a/+1/1/1/1/1;A/03/06000/M/02-feb-01/b/+1/1/1/1/1;E/01/00100/M//c/+1/1/1;"
            "E/01/00100/M/01-jan-2001/d/+1/1/1;C/03/01000/M/01-jan-0500/f/+1/1/1/1/1;"
            "C/03/01000/M/01-jan-0999/g/+1/1/1/1/1 >> open Menu >> choose Menu 0 >> text Menu L_visafyear b-01 >> text "
            "Menu HScroll1 0..2003 0 >> rows* 2 15-mar-2003,1,1 : 1 02-feb-01,1,1 : 1 >> choose Menu 3 >> text Menu "
            "L_visafyear b-01 >> rows 01-jan-2001,1,;,1, >> choose Menu 2 >> text Menu L_visafyear 0500 >> text Menu "
            "L_visatyear 0999"));
        // A course's runs are those of its name exactly, blanks and case
        // included, and no more; a hand-edited course may have no name.
        row("names told apart", t("BA Bana /01/00010;Bana/01/00010;bana/01/00010;   /01/00010;/01/00010 >> RE Bana "
            "/01/00010/M/01-jan-2001/a/+1/1/1;Bana/01/00010/M/01-jan-2002/b/+1/1/2;"
            "bana/01/00010/M/01-jan-2003/c/+1/1/3;   /01/00010/M/01-jan-2005/e/+1/1/5;/01/00010/M/01-jan-2006/f/+1/1/6 "
            ">> open Menu >> choose Menu 0 >> rows 01-jan-2001,1, >> choose Menu 1 >> rows 01-jan-2002,2, >> choose "
            "Menu 2 >> rows 01-jan-2003,3, >> choose Menu 3 >> rows 01-jan-2005,5, >> choose Menu 4 >> rows "
            "01-jan-2006,6,"));
        // More runs than 1001: the 28 youngest fill the rows, the counter
        // counts them all.
        row("every row", courses + t(" >> RE* 2001 3100 ") + runOfA + t(" >> open Menu >> choose Menu 0 >> rows* 28 "
            "01-jan-3100,00.03.00,00.01.00 : 00.02.00 01-jan-3073,00.03.73,00.01.73 : 00.02.73 >> text Menu "
            "L_visaantal 1100 >> bar HScroll2 3090 >> choose Menu 0 >> rows* 28 01-jan-3090,00.03.90,00.01.90 : "
            "00.02.90 01-jan-3063,00.03.63,00.01.63 : 00.02.63"));
        row("course without runs", courses + t(" >> RE* 2001 2001 ") + runOfA + t(" >> open Menu >> choose Menu 0 >> "
            "choose Menu 2 >> rows >> text Menu L_visaantal 0 >> text Menu T_dist  1000 meter >> text Menu L_visafyear "
            "2001"));
        row("ten timed points", courses + t(" >> RE T/10/09999/T/02-feb-2001/x/+1/70.0/0/1/2/3/4/5/6/7/8/9 >> open "
            "Menu >> choose Menu 4 >> rows 02-feb-2001,9,0 : 1 : 2 : 3 : 4 : 5 : 6 : 7 : 8"));
        // The ordering is read at the next click, not when it is chosen.
        const QString orderings = courses + t(" >> RE "
            "A/03/06000/T/01-jan-2001/a/+1/1/1/1/00.30.00;A/03/06000/T/01-jan-2003/b/+1/1/1/1/00.20.00;"
            "A/03/06000/T/01-jan-2002/c/+1/1/1/1/00.40.00 >> open Menu >> choose Menu 0 >> rows* 3 %1 %2 >> press Menu "
            "Option3 >> rows* 3 %1 %2 >> choose Menu 0 >> rows* 3 %2 %1 >> press Menu Option2 >> choose Menu 0 >> "
            "rows* 3 %1 %3 >> press Menu Option4 >> choose Menu 0 >> rows* 3 %3 %1 >> press Menu Option1 >> choose "
            "Menu 0 >> rows* 3 %1 %2");
        row("orderings", orderings.arg(t("01-jan-2003,00.20.00,1 : 1"), t("01-jan-2001,00.30.00,1 : 1"),
                                       t("01-jan-2002,00.40.00,1 : 1")));
        row("no ordering", courses + t(" >> RE* 2001 2002 ") + runOfA + t(" >> open Menu >> uncheck >> choose Menu 0 "
            ">> messages Fel i val av sortering >> ended yes >> count RUNDA_RE 2 ") + runOfA.arg(2001).arg(t("01")));
        // A course's chart: of the selected course from the menu, of the course
        // under the pointer or the current one from the list's context menu,
        // which chooses none; the runs it cannot draw counted; its picture
        // saved where the save dialog says, and a failed write told.
        row("chart", courses + t(" >> RE "
            "A/03/06000/T/01-jan-2001/a/+1/1/1/1/00.41.10;A/03/06000/M/01-feb-2001/b/+1/1/1/1/00.40.00;"
            "A/03/06000/M/01-jan-2002/c/+1/1/1/1/00.39.00;A/03/06000/M/01-Jan-2002/d/+1/1/1/1/00.39.00;"
            "A/03/06000/M/01-jan-2002/e/+1/1/1/1/0.39.00;B/03/00500/M/01-jan-2002/f/+1/1/1/1/00.01.00 >> open Menu >> "
            "choose Menu 0 >> press Menu M_Diagram >> loaded Menu Chart >> window Chart Diagram: A 796,562 >> series "
            "Chart Årsbästa 2 2400|Tävlingstempo 1 2470|Träningstempo 2 2400 >> press Chart paceButton >> series "
            "Chart Årsbästa 2 400|Tävlingstempo 1 411.667|Träningstempo 2 400 >> grid Chart yearTable "
            "År,Rundor,Tävling,Bästa,Median,min/km|2002,1,0,00.39.00,00.39.00,6.30|2001,2,1,00.40.00,00.40.35,6.40 "
            ">> text Chart leftOutLabel 2 rundor kunde inte visas (okänt datum eller tid). >> answer ;bild >> press "
            "Chart savePictureButton >> press Chart savePictureButton >> prompts A.png|A.png >> picture bild.png png "
            ">> block A.png >> answer A.png >> press Chart savePictureButton >> messages ") + unsaved.arg(t("A.png"))
            + t(" >> rest Chart 1 >> tip 01-jan-2001|Sluttid 41.10, 6.52 min/km|Tävlingstempo|a >> key Chart "
                "chartView Escape >> loaded Menu"));
        // A course without a run it can draw opens no chart.
        row("chart from the list", courses + t(" >> RE A/03/06000/M/01-jan-2001/a/+1/1/1/1/00.01.00;E/01/00100/M/"
            "31-feb-2001/a/+1/1/1 >> open Menu >> context Menu 1 >> press Menu List1_Diagram >> loaded Menu >> choose "
            "Menu 0 >> key Menu List1 Menu >> press Menu List1_Diagram >> window Chart Diagram: A 796,562 >> text "
            "Chart chartView Sluttiden för varje runda på banan A efter datum, tävlingstempo och träningstempo som "
            "punkter för sig och årsbästa som en linje. 1 rundor från 2001 till 2001. >> key Menu List1 F10 >> "
            "context Menu 1 >> press Menu List1_Diagram >> key Menu List1 Shift+F10 >> press Menu List1_Diagram >> "
            "window Chart Diagram: A 796,562 >> context Menu 3 >> press Menu List1_Diagram >> messages %1|%1|%1 >> "
            "loaded Menu >> block RUNDA_RE >> context Menu 0 >> press Menu List1_Diagram >> messages %2 >> loaded Menu")
            .arg(t("Banan har inga rundor att visa."), unread.arg(t("RUNDA_RE"))));
        // The training volume over every course, from the menu with no course
        // selected, one window however often chosen; by week, month or year
        // and by course; exported; shown afresh when a run is stored; Escape.
        const QString volume = courses + t(" >> RE A/03/06000/T/01-jan-2001/a/+1/1/1/1/00.30.00;A/03/06000/M/"
            "15-mar-2001/b/+1/1/1/1/00.30.00;B/03/00500/M/20-mar-2001/c/+1/1/1/1/00.05.00;X/01/99999/M/20-mar-2001/"
            "d/+1/1/00.10.00;A/03/06000/M/01-Jan-2001/e/+1/1/1/1/00.30.00 >> open Start >> open Menu >> press Menu "
            "M_Traningsmangd >> ");
        row("training volume", volume + t("loaded Start Menu TrainingVolume >> window TrainingVolume Träningsmängd "
            "796,562 >> checked TrainingVolume monthButton >> grid TrainingVolume table Period,Rundor,Tävlingar,"
            "Kilometer,Tid,min/km|2001-03,3,0,6.5,00.45.00,5.23|2001-02,0,0,0.0,00.00.00,|2001-01,1,1,6.0,00.30.00,"
            "5.00 >> series TrainingVolume Kilometer 3 6 >> note TrainingVolume 2 2001-03|6.5 km|3 rundor|Tid 00.45.00 "
            ">> text TrainingVolume yearSoFarLabel Hittills i år: 0.0 km på 0 rundor. Samma dag förra året: "
            "0.0 km på 0 rundor. >> text TrainingVolume uncountedLabel 1 rundor kunde inte räknas (okänt datum "
            "eller tid). >> text TrainingVolume unknownDistanceLabel 1 rundor på banor med okänd längd räknas inte "
            "i kilometer. >> "
            "press Menu M_Traningsmangd >> loaded Start Menu TrainingVolume >> messages"));
        row("volume by period", volume + t("press TrainingVolume weekButton >> table TrainingVolume table 1 "
            "2;1;0;0;0;0;0;0;0;0;0;1 >> table TrainingVolume table 0 2001 v12;2001 v11;2001 v10;2001 v09;2001 v08;"
            "2001 v07;2001 v06;2001 v05;2001 v04;2001 v03;2001 v02;2001 v01 >> press TrainingVolume yearButton >> "
            "table TrainingVolume table 3 12.5 >> series TrainingVolume Kilometer 1 12.5"));
        row("volume by course", volume + t("key TrainingVolume courseBox Down >> table TrainingVolume table 3 6.0;0.0;"
            "6.0 >> shown TrainingVolume courseBox exportButton monthButton showAllButton splitter uncountedLabel "
            "weekButton yearButton yearSoFarLabel >> key TrainingVolume courseBox Down >> table TrainingVolume table 3 "
            "0.5 >> key TrainingVolume courseBox Up >> key TrainingVolume courseBox Up >> table TrainingVolume table 1 "
            "3;0;1"));
        row("volume exported", volume + t("answer ;ut.csv;x.csv >> block x.csv >> press TrainingVolume exportButton >> "
            "press TrainingVolume exportButton >> press TrainingVolume exportButton >> prompts Träningsmängd.csv|"
            "Träningsmängd.csv|Träningsmängd.csv >> messages Filen x.csv kunde inte sparas. >> count ut.csv 4 "
            "ï»¿Period;Rundor;TÃ¤vlingar;Kilometer;Tid;min/km"));
        row("volume shown afresh", four + t(" >> RE ") + fiveRuns + t(" >> open Start >> open Menu >> press Menu "
            "M_Traningsmangd >> table TrainingVolume table 1 3 >> press Menu M_Runda >> ") + typeExample
            + t(" >> press Regrunda Command1 >> loaded Start TrainingVolume >> table TrainingVolume table 1 1;3 >> "
            "block RUNDA_RE >> open Menu >> close TrainingVolume >> press Menu M_Traningsmangd >> messages %1 >> "
            "loaded Start Menu").arg(unread.arg(t("RUNDA_RE"))));
        row("volume closed by Escape", volume + t("whole TrainingVolume splitter >> key TrainingVolume table Escape >> "
                                                  "loaded Start Menu"));
        // Save and exit ends the program in every case; only a file that was
        // read and could be written changes, youngest first.
        const QString save = t(" >> open Start >> open Info >> press Start M_spara >> ended yes >> loaded >> ");
        row("saved", t("RE* 1000 2099 ") + runOfA + save + t("count RUNDA_RE 1100 ") + runOfA.arg(2099).arg(99)
                         + t(" >> file RUNDA_RE.lock -"));
        row("empty run file", t("RE") + save + t("file RUNDA_RE "));
        row("no run file", save.mid(4) + t("file RUNDA_RE -"));
        row("unreadable run file, saving", t("block RUNDA_RE") + save + t("messages ") + unread.arg(t("RUNDA_RE")));
        row("run file in use, saving", t("RE* 2001 2002 ") + runOfA + t(" >> lock RUNDA_RE") + save + t("messages ")
            + busy.arg(t("RUNDA_RE")) + t(" >> count RUNDA_RE 2 ") + runOfA.arg(2001).arg(t("01")));
    }

    void paths()
    {
        QFETCH(QString, script);
        Fixture f;
        f.play(script.split(t(" >> ")));
    }

    // Whatever the files hold, every window opens, lists, takes a click and
    // stores, and what is stored goes after every item as it was read.
    void hostileFiles_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("1,000,000 records") << QByteArray("\"K/01/00010\"\r\n").repeated(1000000);
        QTest::newRow("one 10 MB line") << QByteArray(10 << 20, 'x') + "/01/00010";
        QTest::newRow("NUL and other bytes")
            << QByteArrayLiteral("\"A\0\x81\x9D\xFF/01/00010\"\r\n\x01\x7F,\x90\"\0\x88");
        QTest::newRow("lone CR line ends") << QByteArray("\"A/01/00010\"\r\"A/01/00010/M/01-jan-2001\"\r");
        QTest::newRow("no last line end") << QByteArray("\"A/01/00010\"\r\n\"A/01/00010/T/02-feb-2001");
        QTest::newRow("blank lines and stray line ends") << QByteArray("\r\n\"A/01/00010\"\r\r\n  \n\r");
    }

    void hostileFiles()
    {
        QFETCH(QByteArray, bytes);
        Fixture f;
        f.folder.write(t("RUNDA_BA"), bytes);
        f.folder.write(t("RUNDA_RE"), bytes);
        const QStringList items = seqfile::readFile(t("RUNDA_BA")).items;
        QCOMPARE(items, seqfile::readItems(cp1252::decode(bytes))); // read a block at a time as in one piece
        f.play((t("open Start >> open Menu >> choose Menu 0 >> messages >> press Menu M_Bana >> ")
                + typeCourse.arg(t("Ny"), t("3"), t("6000")) + t(" >> press Regbana Command1 >> open Menu >> press "
                "Menu M_Runda >> focus Regrunda List1 >> key Regrunda List1 End >> key Regrunda List1 Return >> ")
                + typeExample.mid(21) + t(" >> press Regrunda Command1 >> loaded Start")).split(t(" >> ")));
        QCOMPARE(seqfile::readFile(t("RUNDA_BA")).items, items + QStringList{t("Ny/03/06000")});
        QCOMPARE(seqfile::readFile(t("RUNDA_RE")).items, items + QStringList{t("Ny") + example.mid(21)});
    }

    // Twelve frames of 95 x 120 pixels, 5/100 s each, looping forever.
    void startPicture()
    {
        QImageReader reader(t(":/start.gif"));
        QCOMPARE((QList<int>{reader.imageCount(), reader.size().width(), reader.size().height(), reader.loopCount()}),
                 (QList<int>{12, 95, 120, -1}));
        for (int frame = 0; frame < 12; ++frame)
            QVERIFY(!reader.read().isNull() && reader.nextImageDelay() == 50);
        Fixture f;
        f.play({t("open Start")});
        QCOMPARE(f.find<QLabel>(t("Start"), t("Image2"))->pixmap().size(), QSize(95, 120));
    }

};

QTEST_MAIN(TestWindows)
#include "tst_windows.moc"
