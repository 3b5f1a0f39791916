#pragma once

// The collective-invoice window as the receptionist reaches it: the program's windows on the test
// clinic, the desk started, "Sa&mlingsräkning" chosen from its menu.
//
// The visits stored (test clinic: "01" 100, "02" 200, "06" 0; "A001" 250, "B002" 500, "C003" 750):
//   1  visit   01 A001     patient fee 100, treatment fee 150
//   2  visit   02 B002                 200                300
//   3  voiding of 2, same codes       -200               -300
//   4  visit   06 C003 (free card)       0                750
//   5  visit without identity number   (not counted)

#include "app/programwindows.h"
#include "support/deskfixture.h"

#include <QStringList>

using namespace Qt::StringLiterals;

class Samlingsfönster : public DeskFixture {
protected:
    std::unique_ptr<ProgramWindows> windows;
    frmSamlingsräkning* fönster = nullptr;

    void SetUp() override
    {
        writeClinicFiles();
        writeVisits(kvitton());
        ASSERT_TRUE(dir.isValid());
        program.folder = QDir(dir.path());
        windows = std::make_unique<ProgramWindows>(app, program);
        windows->start();
        öppna();
    }

    static std::vector<VisitRecord> kvitton()
    {
        VisitRecord makulering = visit(2, u"191212121212"_s, u"261201"_s, u"02"_s, u"B002"_s);
        makulering.setText(VisitField::Registreringstyp, u"2"_s);
        return {visit(1), visit(2, u"191212121212"_s, u"261201"_s, u"02"_s, u"B002"_s), makulering,
                visit(4, u"199001011234"_s, u"261202"_s, u"06"_s, u"C003"_s),
                visit(5, QString(), u"261203"_s, u"01"_s, u"A001"_s)};
    }

    frmKassa& kassa() { return windows->desk(); }

    // The menu entry on the desk: opens the window, or brings it forward.
    void öppna()
    {
        app.chooseMenu(kassa().mnuSamlingsräkning);
        fönster = windows->samlingsräkning();
        ASSERT_NE(fönster, nullptr);
        ASSERT_EQ(app.activeForm(), fönster);
    }

    // Back to the desk, then the window again through the menu: one activation of each.
    void tillbakaViaKassan()
    {
        app.activate(kassa());
        öppna();
    }

    void intervall(const QString& från, const QString& till)
    {
        ASSERT_TRUE(app.type(fönster->txtFrom, från));
        ASSERT_TRUE(app.type(fönster->txtTom, till));
    }

    // The five results as shown: treatments, free card, patient fees, treatment fees, both.
    QStringList visat() const
    {
        return {fönster->lblAntalBeh.caption(), fönster->lblFrikort.caption(),
                fönster->lblPatAvgifter.caption(), fönster->lblBehAvgifter.caption(),
                fönster->lblSummaErsättning.caption()};
    }

    QString fokus() const { return fönster->focused() ? fönster->focused()->name() : QString(); }
};
