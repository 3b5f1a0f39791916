#pragma once

#include "data/program.h"
#include "data/settingsrecord.h"
#include "data/visitrecord.h"
#include "desk/frmKassa.h"
#include "support/fakes.h"
#include "ui/application.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <vector>

// A desk in a fresh temporary program folder, driven through the window layer with fake
// dialogs, printer, clock and screen.
//
// The test clinic's files (writeClinicFiles):
//   Taxa.txt    "01" 100, "02" 200, "03" " 50", "06" "  0", "1 " 150
//   Åtgärd.txt  "A001" " 250", "B002" " 500", "C003" " 750"
//   Inställn.txt kombikakod "12345ABCD67", procedure row 0, tariff row 1, F-Skatt, Nybesök,
//                Läkare, clinic "Testkliniken", "Doktor Test", "Storgatan 1", "123 45 Staden",
//                "08-123456"
class DeskFixture : public ::testing::Test, protected fakes::Services {
protected:
    QTemporaryDir dir;
    Program program;
    std::unique_ptr<frmKassa> desk;

    QString path(const QString& name) const { return dir.filePath(name); }
    void writeFile(const QString& name, const QByteArray& bytes);
    QByteArray readFile(const QString& name) const;

    static QByteArray tariffBytes();
    static QByteArray procedureBytes();
    static SettingsRecord clinicSettings();
    void writeSettings(const SettingsRecord& record);
    void writeClinicFiles();

    // A stored visit under `receipt` with a personnummer, the given date and codes.
    static VisitRecord visit(int receipt, const QString& personnummer = QStringLiteral("191212121212"),
                             const QString& datum = QStringLiteral("261201"),
                             const QString& taxekod = QStringLiteral("01"),
                             const QString& åtgärd = QStringLiteral("A001"));
    // A visit whose codes all differ from the test clinic's defaults: kombikakod "54321ZYXW98",
    // vikarie "98765", A-Skatt, return visit, emergency, tariff "06" (fee "  0", row 3), procedure
    // "C003" (" 750", row 2), referral "02", fee not paid.
    static VisitRecord visitWithOwnCodes(int receipt);
    void writeVisits(const std::vector<VisitRecord>& records);
    // `count` stored visits numbered 1..count, visit date "2612dd" with dd = receipt % 28 + 1.
    void writeNumberedVisits(int count);
    QByteArray visitFile() const { return readFile(QStringLiteral("PatBesök.Dat")); }
    // Record `receipt` of the visit file as it is on disk.
    QByteArray storedRecord(int receipt) const;

    // Every file of the program folder with its bytes, to show that an operation wrote nothing
    // (no file changed, none created, none removed).
    std::map<QString, QByteArray> folderContents() const;

    // Creates the desk on the folder and starts it as the program does.
    void startDesk();
};
