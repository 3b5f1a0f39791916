// What the collective-invoice window refuses: the checks of its two boxes as they are typed in
// or left, the ranges it cannot report when a button is pressed, and the warning about receipts
// the code lists cannot price.

#include "reports/samlings_scenario.h"

namespace {

const QString EndastSiffror = u"OBS! Endst siffror får användas!"_s;
const QString Mellanslag = u"OBS! Mellanslag är ej tillåtet!"_s;

// "fr.o.m." is checked when the focus leaves it, "t.o.m" at every change; a refusal keeps the
// text as typed and the focus in the box. An empty box raises nothing here.
TEST_F(Samlingsfönster, TheBoxesRefuseWhatIsNoReceiptNumber)
{
    struct Fall {
        const char* namn;
        bool från; // the box typed into
        const char16_t* text;
        QString meddelande; // empty: accepted
    };
    const Fall fall[] = {
        {"letter in fr.o.m.", true, u"1a", EndastSiffror},
        {"blank before a number in fr.o.m.", true, u" 12", Mellanslag},
        {"blank inside a number in fr.o.m.", true, u"1 2", Mellanslag},
        {"only blanks in fr.o.m.", true, u"  ", {}},
        {"number in fr.o.m.", true, u"12", {}},
        {"letter in t.o.m", false, u"x", EndastSiffror},
        {"blank after a number in t.o.m", false, u"12 ", Mellanslag},
        {"number in t.o.m", false, u"00012", {}},
    };
    for (const Fall& f : fall) {
        ui::TextBox& ruta = f.från ? fönster->txtFrom : fönster->txtTom;
        const QString text = QString::fromUtf16(f.text);
        if (f.från) {
            ASSERT_TRUE(app.type(ruta, text)) << f.namn;
            if (!f.meddelande.isEmpty())
                dialogs.expectMessage(f.meddelande);
            app.tab();
            EXPECT_EQ(fokus(), f.meddelande.isEmpty() ? u"txtTom"_s : u"txtFrom"_s) << f.namn;
        } else {
            if (!f.meddelande.isEmpty())
                dialogs.expectMessage(f.meddelande); // at once, while typing
            ASSERT_TRUE(app.type(ruta, text)) << f.namn;
            EXPECT_EQ(fokus(), u"txtTom"_s) << f.namn;
        }
        EXPECT_TRUE(dialogs.allAnswersUsed()) << f.namn;
        EXPECT_EQ(ruta.text(), text) << f.namn;
        // Each row starts from empty boxes.
        app.runEvent([this] {
            fönster->txtFrom.setText(QString());
            fönster->txtTom.setText(QString());
        });
        app.focusByUser(fönster->txtFrom);
    }
    for (const auto& m : dialogs.messages()) {
        EXPECT_EQ(m.buttons, ui::Buttons::Ok);
        EXPECT_EQ(m.icon, ui::Icon::None);
        EXPECT_EQ(m.title, ui::AppTitle);
    }
}

// A range that cannot be reported: a message naming the problem, the focus on the box at fault,
// and nothing shown or printed. The visit file holds 5 receipts.
TEST_F(Samlingsfönster, ARangeThatCannotBeReportedShowsAndPrintsNothing)
{
    intervall(u"1"_s, u"5"_s);
    app.click(fönster->cmdRäkna);
    const QStringList visatFöre = visat();

    struct Fall {
        const char16_t *från, *till;
        QString meddelande;
        const char16_t* fokus;
    };
    const Fall fall[] = {
        {u"5", u"3", u"OBS! Fr.o.m. kan inte vara större än T.o.m.!"_s, u"txtTom"},
        {u"", u"3", u"OBS! Kvittonummer Fr.o.m. saknas!"_s, u"txtFrom"},
        {u"1", u"", u"OBS! Kvittonummer T.o.m. saknas!"_s, u"txtTom"},
        {u"0", u"3", u"OBS! Kvittonummer Fr.o.m. måste vara minst 1!"_s, u"txtFrom"},
        {u"1", u"6",
         u"OBS! Kvittonummer T.o.m. kan inte vara större än 5, det sista registrerade kvittot!"_s,
         u"txtTom"},
        {u"1", u"32768", u"OBS! Kvittonummer T.o.m. kan inte vara större än 32767!"_s, u"txtTom"},
        {u"99999999", u"99999999", u"OBS! Kvittonummer Fr.o.m. kan inte vara större än 32767!"_s,
         u"txtFrom"},
    };
    for (ui::CommandButton* knapp : {&fönster->cmdRäkna, &fönster->cmdSkrivUt}) {
        for (const Fall& f : fall) {
            const std::string namn = QString::fromUtf16(f.från).toStdString() + ".."
                + QString::fromUtf16(f.till).toStdString() + " " + knapp->name().toStdString();
            intervall(QString::fromUtf16(f.från), QString::fromUtf16(f.till));
            dialogs.expectMessage(f.meddelande);
            app.click(*knapp);
            EXPECT_TRUE(dialogs.allAnswersUsed()) << namn;
            EXPECT_EQ(fokus(), QString::fromUtf16(f.fokus)) << namn;
        }
        // "t.o.m" refuses a letter as it is typed, and the button once more.
        intervall(u"1"_s, u"1"_s);
        dialogs.expectMessage(EndastSiffror);
        ASSERT_TRUE(app.type(fönster->txtTom, u"1x"_s));
        dialogs.expectMessage(EndastSiffror);
        app.click(*knapp);
        EXPECT_EQ(fokus(), u"txtTom"_s);
    }
    EXPECT_EQ(visat(), visatFöre);
    EXPECT_TRUE(printer.documents().empty());
    EXPECT_TRUE(printer.pending().empty());
}

// Receipts whose codes the lists do not hold are priced as the rule says (the fees of the
// receipt before), and one warning after the totals names them: the first 20 and how many more.
TEST_F(Samlingsfönster, WarnsOnceAboutReceiptsTheCodeListsCannotPrice)
{
    const auto varning = [](const QString& kvitton) {
        return u"OBS! Kontrollera summorna innan räkningen skickas!\nKvitto nr %1 har en taxekod "
               u"eller åtgärd som saknas i Taxa.txt eller Åtgärd.txt, eller en avgift där som inte "
               u"är ett tal. En kod som saknas har räknats med avgiften från det närmast "
               u"föregående kvittot vars kod finns, en avgift som inte är ett tal som 0. Rätta "
               u"filerna och räkna om."_s.arg(kvitton);
    };
    std::vector<VisitRecord> besök{visit(1)};
    for (int r = 2; r <= 26; ++r)
        besök.push_back(visit(r, u"191212121212"_s, u"261201"_s, r % 2 ? u"77"_s : u"01"_s,
                              r % 2 ? u"A001"_s : u"X999"_s));
    app.activate(kassa());
    writeVisits(besök);
    writeFile(u"Taxa.txt"_s, QByteArrayLiteral("01100" "02x00"));
    öppna();

    intervall(u"1"_s, u"26"_s);
    dialogs.expectMessage(varning(u"2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, "
                                  u"20, 21 och 5 till"_s));
    app.click(fönster->cmdRäkna);
    EXPECT_EQ(visat(), (QStringList{u"26"_s, u""_s, u"2600"_s, u"3900"_s, u"6500"_s}))
        << "shown before the warning, as the rule prices them";

    // A fee that is not a number counts as 0, and is named the same way; printing warns too.
    app.activate(kassa());
    writeVisits({visit(1), visit(2, u"191212121212"_s, u"261201"_s, u"02"_s, u"A001"_s),
                 visit(3, u"191212121212"_s, u"261201"_s, u"02"_s, u"A001"_s)});
    öppna();
    intervall(u"1"_s, u"3"_s);
    dialogs.expectMessage(varning(u"2 och 3"_s));
    app.click(fönster->cmdSkrivUt);
    ASSERT_EQ(printer.documents().size(), 1u);
    EXPECT_EQ(printer.documents().back().lines[5].text, u"Summa patientavgifter: 100 Kr"_s);
    EXPECT_EQ(printer.documents().back().lines[6].text, u"Summa behandlingsavgifter: 650 Kr"_s);
}

} // namespace
