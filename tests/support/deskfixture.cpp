#include "support/deskfixture.h"

#include "data/codec.h"

#include <QDir>
#include <QFile>

void DeskFixture::writeFile(const QString& name, const QByteArray& bytes)
{
    QFile file(path(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << name.toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size());
}

QByteArray DeskFixture::readFile(const QString& name) const
{
    QFile file(path(name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

QByteArray DeskFixture::tariffBytes()
{
    return QByteArrayLiteral("01100" "02200" "03 50" "06  0" "1 150");
}

QByteArray DeskFixture::procedureBytes()
{
    return QByteArrayLiteral("A001 250" "B002 500" "C003 750");
}

SettingsRecord DeskFixture::clinicSettings()
{
    SettingsRecord r = SettingsRecord::firstRunDefault();
    r.setText(SettingsField::Kombikakod, QStringLiteral("12345ABCD67"));
    r.setIndex(SettingsField::ÅtgärdIndex, 0);
    r.setIndex(SettingsField::TaxekodIndex, 1);
    r.setChoice(SettingsField::Skatt, true);
    r.setChoice(SettingsField::Besökstyp, true);
    r.setChoice(SettingsField::Yrke, true);
    r.setText(SettingsField::Klinik, QStringLiteral("Testkliniken"));
    r.setText(SettingsField::Namn, QStringLiteral("Doktor Test"));
    r.setText(SettingsField::Adress, QStringLiteral("Storgatan 1"));
    r.setText(SettingsField::Postadress, QStringLiteral("123 45 Staden"));
    r.setText(SettingsField::Telefon, QStringLiteral("08-123456"));
    return r;
}

void DeskFixture::writeSettings(const SettingsRecord& record)
{
    writeFile(QStringLiteral("Inställn.txt"), record.bytes().toByteArray() + "\r\n");
}

void DeskFixture::writeClinicFiles()
{
    writeFile(QStringLiteral("Taxa.txt"), tariffBytes());
    writeFile(QStringLiteral("Åtgärd.txt"), procedureBytes());
    writeSettings(clinicSettings());
}

VisitRecord DeskFixture::visit(int receipt, const QString& personnummer, const QString& datum,
                               const QString& taxekod, const QString& åtgärd)
{
    VisitRecord r;
    r.setText(VisitField::Registreringstyp, QStringLiteral("1"));
    r.setText(VisitField::Kombikakod, QStringLiteral("12345ABCD67"));
    r.setText(VisitField::VikKomkod, QString());
    r.setText(VisitField::Kvittonummer, QStringLiteral("%1").arg(receipt, 8, 10, QLatin1Char('0')));
    r.setText(VisitField::Skatt, QStringLiteral("F"));
    r.setText(VisitField::IdNummer, personnummer);
    r.setText(VisitField::IdTyp, personnummer.isEmpty() ? QString() : QStringLiteral("P"));
    r.setText(VisitField::Födelsedatum, QString());
    r.setText(VisitField::Besöksdatum, datum);
    r.setText(VisitField::Besökstyp, QStringLiteral("0"));
    r.setText(VisitField::Akutbesök, QStringLiteral("0"));
    r.setText(VisitField::Taxekod, taxekod);
    r.setText(VisitField::Smittskydd, QStringLiteral("0"));
    r.setText(VisitField::Åtgärd, åtgärd);
    r.setText(VisitField::RemissFrån, QString());
    r.setText(VisitField::RemissDatum, QString());
    r.setText(VisitField::RemissTill, QStringLiteral("00"));
    r.setText(VisitField::Patientavgift, QStringLiteral("100"));
    r.setText(VisitField::Åtgärdsbelopp, QStringLiteral(" 250"));
    r.setText(VisitField::EjBetPatAvg, QString());
    r.setText(VisitField::Diagnoskod, QString());
    return r;
}

VisitRecord DeskFixture::visitWithOwnCodes(int receipt)
{
    using F = VisitField;
    VisitRecord r = visit(receipt, QStringLiteral("191212121212"), QStringLiteral("261130"),
                          QStringLiteral("06"), QStringLiteral("C003"));
    for (const auto& [f, text] : std::initializer_list<std::pair<F, const char*>>{
             {F::Kombikakod, "54321ZYXW98"}, {F::VikKomkod, "98765"}, {F::Skatt, "A"},
             {F::Besökstyp, "1"}, {F::Akutbesök, "1"}, {F::RemissTill, "02"},
             {F::Patientavgift, "  0"}, {F::Åtgärdsbelopp, " 750"}, {F::EjBetPatAvg, "0000"}})
        r.setText(f, QString::fromLatin1(text));
    return r;
}

void DeskFixture::writeVisits(const std::vector<VisitRecord>& records)
{
    QByteArray bytes;
    for (const VisitRecord& r : records)
        bytes += r.bytes().toByteArray();
    writeFile(QStringLiteral("PatBesök.Dat"), bytes);
}

void DeskFixture::writeNumberedVisits(int count)
{
    std::vector<VisitRecord> records;
    for (int k = 1; k <= count; ++k)
        records.push_back(visit(k, QStringLiteral("191212121212"),
                                QStringLiteral("2612%1").arg(k % 28 + 1, 2, 10, QLatin1Char('0'))));
    writeVisits(records);
}

QByteArray DeskFixture::storedRecord(int receipt) const
{
    return visitFile().mid(95 * (receipt - 1), 95);
}

std::map<QString, QByteArray> DeskFixture::folderContents() const
{
    std::map<QString, QByteArray> contents;
    const QDir folder(dir.path());
    for (const QString& name : folder.entryList(QDir::Files | QDir::Hidden | QDir::System))
        contents[name] = readFile(name);
    return contents;
}

void DeskFixture::startDesk()
{
    ASSERT_TRUE(dir.isValid());
    program.folder = QDir(dir.path());
    desk = std::make_unique<frmKassa>(app, program);
    app.start(*desk);
}
