// The collective-invoice window opened from the desk's menu: its controls, the totals on the
// screen, and what it reads again when it becomes the active window.

#include "reports/samlings_scenario.h"

namespace {

TEST_F(Samlingsfönster, OpensFromTheDeskAsOneWindowLaidOutForTheClinic)
{
    EXPECT_EQ(fönster->caption(), u"Samlingsräkning"_s);
    EXPECT_EQ(fönster->clientWidth(), 6255);
    EXPECT_EQ(fönster->clientHeight(), 3585);
    EXPECT_EQ(fokus(), u"txtFrom"_s);

    struct Rad {
        const char16_t* namn;
        const char16_t* text;
        int left, top, width, height, tab;
    };
    const Rad layout[] = {
        {u"Label8", u"Kvitto nr", 480, 240, 855, 255, 16},
        {u"Label1", u"fr.o.m.", 1440, 240, 852, 252, 12},
        {u"Label2", u"t.o.m", 2640, 240, 852, 252, 11},
        {u"txtFrom", u"", 1440, 480, 975, 288, 0},
        {u"Label9", u"-", 2400, 480, 252, 252, 15},
        {u"txtTom", u"", 2640, 480, 975, 288, 1},
        {u"Label5", u"Antal beh:", 600, 1080, 972, 252, 7},
        {u"lblAntalBeh", u"", 1800, 1080, 735, 255, 18},
        {u"Label6", u"Pat avgift:", 3720, 1080, 972, 252, 6},
        {u"lblPatAvgifter", u"", 5040, 1080, 855, 255, 10},
        {u"Label10", u"Besök med frikort:", 120, 1560, 1572, 252, 14},
        {u"lblFrikort", u"", 1800, 1560, 735, 255, 13},
        {u"Label7", u"Beh avgift:", 3720, 1560, 972, 252, 5},
        {u"lblBehAvgifter", u"", 4920, 1560, 975, 255, 9},
        {u"Label4", u"Summa Pat + Beh avgift:", 2520, 2280, 2175, 255, 17},
        {u"lblSummaErsättning", u"", 4800, 2280, 1095, 255, 8},
        {u"cmdRäkna", u"Visa på skärmen", 480, 3000, 1695, 375, 2},
        {u"cmdSkrivUt", u"Skriv ut på skrivare", 2400, 3000, 1935, 375, 3},
        {u"cmdAvbryt", u"Stäng", 4920, 3000, 1095, 375, 4},
    };
    for (const Rad& r : layout) {
        const QString namn = QString::fromUtf16(r.namn);
        const ui::Control* c = fönster->control(namn);
        ASSERT_NE(c, nullptr) << namn.toStdString();
        const QString text = c->kind() == ui::ControlKind::TextBox
            ? static_cast<const ui::TextBox*>(c)->text()
            : c->caption();
        EXPECT_EQ(text, QString::fromUtf16(r.text)) << namn.toStdString();
        EXPECT_EQ((std::vector{c->left(), c->top(), c->width(), c->height(), c->tabIndex()}),
                  (std::vector{r.left, r.top, r.width, r.height, r.tab}))
            << namn.toStdString();
        EXPECT_TRUE(c->fontBold()) << namn.toStdString();
        EXPECT_EQ(c->fontSize(), namn == u"Label9"_s ? 9.75 : 8.25) << namn.toStdString();
    }
    EXPECT_EQ((std::vector{fönster->Line1.x1(), fönster->Line1.y1(), fönster->Line1.x2(),
                           fönster->Line1.y2()}),
              (std::vector{2760, 2040, 6000, 2040}));
    // Right-aligned (R), centred (C) or left; bordered on a box's colour (B) or on light grey.
    QStringList utseende;
    for (const auto& c : fönster->controls())
        if (c->kind() == ui::ControlKind::Label) {
            const auto* l = static_cast<const ui::Label*>(c.get());
            utseende.append(c->name() + u' '
                            + (l->alignment() == ui::Alignment::Right    ? u"R"_s
                               : l->alignment() == ui::Alignment::Center ? u"C"_s
                                                                          : u"L"_s)
                            + (l->bordered() && l->backColor() == ui::Label::WindowBackground ? u"B"_s
                               : l->backColor() == 0xC0C0C0                                ? u"G"_s
                                                                                            : u"?"_s));
        }
    EXPECT_EQ(utseende.join(u", "_s),
              u"Label8 RG, Label1 LG, Label2 LG, Label9 CG, Label5 RG, lblAntalBeh RB, Label6 RG, "
              u"lblPatAvgifter RB, Label10 LG, lblFrikort RB, Label7 RG, lblBehAvgifter RB, "
              u"Label4 LG, lblSummaErsättning RB"_s);
    EXPECT_EQ(fönster->txtFrom.maxLength(), 8);
    EXPECT_EQ(fönster->txtTom.maxLength(), 8);
    EXPECT_EQ(fönster->defaultButton(), &fönster->cmdRäkna);
    EXPECT_EQ(fönster->cancelButton(), &fönster->cmdAvbryt);
    EXPECT_EQ(fönster->txtFrom.captionLabel(), &fönster->Label1);
    EXPECT_EQ(fönster->txtTom.captionLabel(), &fönster->Label2);
    EXPECT_EQ(fönster->lblSummaErsättning.captionLabel(), &fönster->Label4);

    // Chosen again: the same window comes forward.
    app.activate(kassa());
    frmSamlingsräkning* först = fönster;
    öppna();
    EXPECT_EQ(fönster, först);
    EXPECT_EQ(app.shownForms().size(), 2u);
}

TEST_F(Samlingsfönster, ShowsTheTotalsOfTheRangeInTheBoxes)
{
    const std::map<QString, QByteArray> filer = folderContents();
    struct Fall {
        const char16_t *från, *till;
        QStringList visat;
    };
    const Fall fall[] = {
        // The voiding cancels receipt 2; receipt 5 has no identity number.
        {u"1", u"5", {u"2"_s, u"1"_s, u"100"_s, u"900"_s, u"1000"_s}},
        {u"3", u"3", {u"-1"_s, u""_s, u"-200"_s, u"-300"_s, u"-500"_s}},
        // Nothing counts: the counts stay empty, the sums are 0.
        {u"5", u"5", {u""_s, u""_s, u"0"_s, u"0"_s, u"0"_s}},
        {u"2", u"3", {u"0"_s, u""_s, u"0"_s, u"0"_s, u"0"_s}},
    };
    for (const Fall& f : fall) {
        intervall(QString::fromUtf16(f.från), QString::fromUtf16(f.till));
        app.click(fönster->cmdRäkna);
        EXPECT_EQ(visat(), f.visat) << QString::fromUtf16(f.från).toStdString();
    }
    // Enter in a box is the default button.
    intervall(u"4"_s, u"4"_s);
    app.pressEnter();
    EXPECT_EQ(visat(), (QStringList{u"1"_s, u"1"_s, u"0"_s, u"750"_s, u"750"_s}));
    EXPECT_EQ(folderContents(), filer) << "the window writes no file";
}

// Every activation reads the files again: a fee changed in Taxa.txt and a receipt registered at
// the desk in the meantime are in the next totals; the boxes and the totals shown stay until the
// next computation.
TEST_F(Samlingsfönster, ReadsTheFilesAgainEveryTimeItBecomesActive)
{
    intervall(u"1"_s, u"4"_s);
    app.click(fönster->cmdRäkna);
    ASSERT_EQ(visat(), (QStringList{u"2"_s, u"1"_s, u"100"_s, u"900"_s, u"1000"_s}));

    app.activate(kassa());
    writeFile(u"Taxa.txt"_s, QByteArrayLiteral("01120" "02200" "03 50" "06  0" "1 150"));
    std::vector<VisitRecord> fler = kvitton();
    fler.push_back(visit(6));
    writeVisits(fler);
    öppna();
    EXPECT_EQ(fönster->txtFrom.text(), u"1"_s);
    EXPECT_EQ(fönster->txtTom.text(), u"4"_s);
    EXPECT_EQ(visat(), (QStringList{u"2"_s, u"1"_s, u"100"_s, u"900"_s, u"1000"_s}));

    app.click(fönster->cmdRäkna);
    EXPECT_EQ(visat(), (QStringList{u"2"_s, u"1"_s, u"120"_s, u"880"_s, u"1000"_s}));
    intervall(u"6"_s, u"6"_s);
    app.click(fönster->cmdRäkna);
    EXPECT_EQ(visat(), (QStringList{u"1"_s, u""_s, u"120"_s, u"130"_s, u"250"_s}));
}

TEST_F(Samlingsfönster, StängClosesItAndTheDeskIsActiveAgain)
{
    intervall(u"1"_s, u"5"_s);
    app.click(fönster->cmdRäkna);
    app.click(fönster->cmdAvbryt);
    EXPECT_FALSE(app.isShown(*fönster));
    EXPECT_EQ(app.activeForm(), &kassa());

    // Opened again it starts empty; Esc closes it without a check of the box it leaves.
    öppna();
    EXPECT_EQ(fönster->txtFrom.text(), QString());
    EXPECT_EQ(fönster->txtTom.text(), QString());
    EXPECT_EQ(visat(), (QStringList{u""_s, u""_s, u""_s, u""_s, u""_s}));
    EXPECT_EQ(fokus(), u"txtFrom"_s);
    ASSERT_TRUE(app.type(fönster->txtFrom, u"x"_s));
    app.pressEscape();
    EXPECT_FALSE(app.isShown(*fönster));
    EXPECT_EQ(app.activeForm(), &kassa());
}

// A file that cannot be read leaves a copy that is not what is on disk: no totals from it.
TEST_F(Samlingsfönster, AFileThatCannotBeReadStopsTheTotalsUntilItCanBe)
{
    app.activate(kassa());
    ASSERT_TRUE(QFile::remove(path(u"Åtgärd.txt"_s)));
    const QString saknas = u"Filen Åtgärd.txt saknas i mappen %1.\nSamlingsräkningen kan inte "
                           u"göras förrän filen går att läsa."_s
                               .arg(QDir::toNativeSeparators(dir.path()));
    dialogs.expectMessage(saknas);
    öppna();
    intervall(u"1"_s, u"5"_s);
    dialogs.expectMessage(saknas);
    app.click(fönster->cmdRäkna);
    EXPECT_EQ(visat(), (QStringList{u""_s, u""_s, u""_s, u""_s, u""_s}));

    writeFile(u"Åtgärd.txt"_s, procedureBytes());
    tillbakaViaKassan();
    app.click(fönster->cmdRäkna);
    EXPECT_EQ(visat(), (QStringList{u"2"_s, u"1"_s, u"100"_s, u"900"_s, u"1000"_s}));
}

} // namespace

// Each result is heard by its value, described by its caption.
TEST_F(Samlingsfönster, TheResultsAreHeardByTheirValues)
{
    intervall(u"1"_s, u"5"_s);
    app.click(fönster->cmdRäkna);
    QStringList heard;
    for (const ui::Label* l : {&fönster->lblAntalBeh, &fönster->lblFrikort, &fönster->lblPatAvgifter,
                               &fönster->lblBehAvgifter, &fönster->lblSummaErsättning})
        heard << l->accessibleName() + u" "_s + l->accessibleDescription();
    EXPECT_EQ(heard, (QStringList{u"2 Antal beh:"_s, u"1 Besök med frikort:"_s, u"100 Pat avgift:"_s,
                                  u"900 Beh avgift:"_s, u"1000 Summa Pat + Beh avgift:"_s}));
}
