// The printed collective invoice as the printer receives it: every line's position, font and
// text. The recording printer's page is 11520 twips wide; a text is its characters × the font
// size × 10 twips wide; it starts in 10 points.

#include "reports/samlings_scenario.h"

namespace {

class Samlingsutskrift : public Samlingsfönster {
protected:
    // The lines of the one page printed by "Skriv ut på skrivare", as "x y size [B][U] text".
    std::vector<std::string> skrivUt(const QString& från, const QString& till)
    {
        const size_t före = printer.documents().size();
        intervall(från, till);
        app.click(fönster->cmdSkrivUt);
        std::vector<std::string> rader;
        EXPECT_EQ(printer.documents().size(), före + 1);
        EXPECT_TRUE(printer.pending().empty()) << "the page was not ended";
        if (printer.documents().size() == före + 1)
            for (const auto& l : printer.documents().back().lines)
                rader.push_back(QString(u"%1 %2 %3 %4%5 "_s)
                                    .arg(l.x)
                                    .arg(l.y)
                                    .arg(l.size)
                                    .arg(l.bold ? u"B"_s : u"-"_s, l.underline ? u"U"_s : u"-"_s)
                                    .toStdString()
                                + l.text.toStdString());
        return rader;
    }
};

TEST_F(Samlingsutskrift, PrintsTheTotalsLineByLineAndLeavesTheScreenAlone)
{
    // Title: 15 × 10 × 10 = 1500 wide in the printer's 10 points, 5760 − 750 − 1000; the date
    // line 26 × 16 × 10 = 4160 wide, 5760 − 2080 − 1000.
    EXPECT_EQ(skrivUt(u"1"_s, u"5"_s),
              (std::vector<std::string>{
                  "4010 1000 24 BU Samlingsräkning",
                  "2680 2000 16 B- Utskriftsdatum: 2026-12-08",
                  "0 4000 16 --      Kvitto nr fr.o.m : 1   T.o.m. : 5 ",
                  "1000 5000 16 -- Antal behandlingar: 2 st",
                  "1000 6000 16 -- Antal besök med frikort: 1 st",
                  "1000 7000 16 -- Summa patientavgifter: 100 Kr",
                  "1000 8000 16 -- Summa behandlingsavgifter: 900 Kr",
                  "1000 9000 16 -- Summa patient- och behandlingsavg. : 1000 Kr",
              }));
    EXPECT_EQ(printer.documents().back().name, u"Samlingsräkning 1-5"_s);
    EXPECT_EQ(visat(), (QStringList{u""_s, u""_s, u""_s, u""_s, u""_s}));

    // Each page starts in the printer's default font, so the second title is measured in 10
    // points again and stands where the first did.
    const std::vector<std::string> ingetRäknas = skrivUt(u"5"_s, u"5"_s);
    ASSERT_EQ(ingetRäknas.size(), 8u);
    EXPECT_EQ(ingetRäknas[0], "4010 1000 24 BU Samlingsräkning");
    EXPECT_EQ(std::vector(ingetRäknas.begin() + 2, ingetRäknas.end()),
              (std::vector<std::string>{
                  "0 4000 16 --      Kvitto nr fr.o.m : 5   T.o.m. : 5 ",
                  "1000 5000 16 -- Antal behandlingar:st",
                  "1000 6000 16 -- Antal besök med frikort:st",
                  "1000 7000 16 -- Summa patientavgifter: 0 Kr",
                  "1000 8000 16 -- Summa behandlingsavgifter: 0 Kr",
                  "1000 9000 16 -- Summa patient- och behandlingsavg. : 0 Kr",
              }));

    // A negative number has its minus where the blank would be.
    const std::vector<std::string> makulering = skrivUt(u"3"_s, u"3"_s);
    ASSERT_EQ(makulering.size(), 8u);
    EXPECT_EQ(std::vector(makulering.begin() + 3, makulering.end()),
              (std::vector<std::string>{
                  "1000 5000 16 -- Antal behandlingar:-1 st",
                  "1000 6000 16 -- Antal besök med frikort:st",
                  "1000 7000 16 -- Summa patientavgifter:-200 Kr",
                  "1000 8000 16 -- Summa behandlingsavgifter:-300 Kr",
                  "1000 9000 16 -- Summa patient- och behandlingsavg. :-500 Kr",
              }));
}

// Without a printer the page goes to a PDF (the printer names it, never over an earlier one)
// and the receptionist is told where; a failed print says why. Neither changes a file of the
// clinic's or what the window shows.
TEST_F(Samlingsutskrift, TellsWhereThePageWentOrWhyItDidNot)
{
    intervall(u"1"_s, u"5"_s);
    app.click(fönster->cmdRäkna);
    const QStringList visatFöre = visat();
    const std::map<QString, QByteArray> filer = folderContents();

    printer.outcome.pdfPath = dir.filePath(u"Utskrifter/Samlingsräkning 1-5.pdf"_s);
    dialogs.expectMessage(u"Ingen skrivare är installerad. Samlingsräkningen har sparats som\n"_s
                          + printer.outcome.pdfPath);
    app.click(fönster->cmdSkrivUt);
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages().back().icon, ui::Icon::Information);

    printer.outcome = {false, u"Skrivaren svarar inte."_s, {}};
    dialogs.expectMessage(u"OBS! Samlingsräkningen kunde inte skrivas ut: Skrivaren svarar inte.\nKontrollera "
                          u"skrivaren och tryck på \"Skriv ut på skrivare\" igen."_s);
    app.click(fönster->cmdSkrivUt);
    EXPECT_EQ(dialogs.messages().back().icon, ui::Icon::None);

    EXPECT_EQ(printer.documents().size(), 2u);
    EXPECT_EQ(visat(), visatFöre);
    EXPECT_EQ(folderContents(), filer);
}

} // namespace
