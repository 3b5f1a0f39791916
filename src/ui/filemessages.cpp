#include "ui/filemessages.h"

#include "data/visitfile.h"
#include "data/visitrecord.h"
#include "ui/form.h"
#include "vocabulary/messages.h"

#include <QStringList>

using namespace Qt::StringLiterals;

namespace filemessages {

namespace {

QString mapp(const QDir& folder)
{
    return QDir::toNativeSeparators(folder.absolutePath());
}

// A code as the message shows it: control characters, which a message box cannot show, as "?".
QString shownCode(const QString& code)
{
    QString shown = code;
    for (QChar& c : shown)
        if (c.unicode() < 0x20 || (c.unicode() >= 0x7F && c.unicode() < 0xA0))
            c = u'?';
    return shown;
}

// "3, 7-9, 12": runs of receipts as ranges; a long list ends with how many there are in all,
// so that a file of zeros does not give a message of thirty thousand numbers.
QString receiptList(const QList<int>& receipts)
{
    constexpr int MostRuns = 12;
    QStringList runs;
    qsizetype i = 0;
    while (i < receipts.size() && runs.size() < MostRuns) {
        qsizetype j = i;
        while (j + 1 < receipts.size() && receipts[j + 1] == receipts[j] + 1)
            ++j;
        runs += j == i ? QString::number(receipts[i]) : u"%1-%2"_s.arg(receipts[i]).arg(receipts[j]);
        i = j + 1;
    }
    QString text = runs.join(u", "_s);
    if (i < receipts.size())
        text += u" med flera, %1 kvitton i allt"_s.arg(receipts.size());
    return text;
}

// "Kvitto 3 innehåller …" or "Kvittona 3, 7-9 innehåller …", or nothing for no receipts.
QString receiptLine(const QList<int>& receipts, const QString& what)
{
    if (receipts.isEmpty())
        return {};
    return u"%1 %2 innehåller %3.\n"_s.arg(receipts.size() == 1 ? u"Kvitto"_s : u"Kvittona"_s,
                                          receiptList(receipts), what);
}

} // namespace

QString skadadInställningsfil(const QDir& folder, const QString& skada)
{
    return u"OBS! Inställningsfilen %1 i mappen %2 är skadad: %3.\n"
           u"Den ska vara en rad med 194 tecken och CR LF. Den läses så långt den räcker, och fält "
           u"som saknas blir tomma. Inget skrivs i filen förrän inställningarna sparas; kontrollera "
           u"dem under Inställningar och tryck på Spara."_s
        .arg(settingsfile::fileName(), mapp(folder), skada);
}

QString inställningsfilenSaknas(const QDir& folder)
{
    return u"OBS! Inställningsfilen %1 finns inte längre i mappen %2!\n"
           u"Inställningarna som visas är de som lästes senast. Ingen ny fil skrivs förrän du "
           u"trycker på Spara."_s
        .arg(settingsfile::fileName(), mapp(folder));
}

QString efterInläsning(const QDir& folder, const settingsfile::Inläsning& inläsning)
{
    if (inläsning.saknas)
        return inställningsfilenSaknas(folder);
    if (!inläsning.skada.isEmpty())
        return skadadInställningsfil(folder, inläsning.skada);
    return {};
}

QString beloppsvarning(const QDir& folder, codetables::CodeList list, const CodeColumn& codes,
                       const QList<int>& rows)
{
    if (rows.isEmpty())
        return {};
    constexpr int Named = 20;
    const bool tariff = list == codetables::CodeList::Tariff;
    QStringList named;
    for (qsizetype k = 0; k < rows.size() && k < Named; ++k)
        named.append(u"rad %1 (%2 \"%3\")"_s.arg(rows[k] + 1)
                         .arg(tariff ? u"taxekod"_s : u"åtgärd"_s, shownCode(codes.at(rows[k]))));
    const qsizetype more = rows.size() - named.size();
    const QString which = meddelande::uppräkning(
        named, more <= 0 ? QString() : more == 1 ? u"1 rad till"_s : u"%1 rader till"_s.arg(more));

    const bool one = rows.size() == 1;
    const QString what = tariff ? (one ? u"en patientavgift som inte är ett tal"_s
                                       : u"patientavgifter som inte är tal"_s)
                                : (one ? u"ett belopp som inte är ett tal"_s
                                       : u"belopp som inte är tal"_s);
    const QString use = tariff ? u"Avgiften tas som den står i filen när taxekoden väljs."_s
                               : u"Beloppet tas som det står i filen när åtgärden väljs."_s;
    return u"OBS! Filen %1 i mappen %2 har %3: %4.\n%5 Rätta filen så att varje %6 är ett helt antal kronor."_s
        .arg(codetables::fileName(list), mapp(folder), what, which, use,
             tariff ? u"avgift"_s : u"belopp"_s);
}

QString skadadBesöksfil(const visitfile::Skada& skada, const QString& kopia)
{
    QString text = u"OBS! Besöksfilen %1 är skadad!\n"_s.arg(visitfile::fileName());
    text += receiptLine(skada.nollteckenKvitton, u"nolltecken"_s);
    text += receiptLine(skada.odefinieradeKvitton, u"tecken som inte finns i Windows-1252"_s);
    if (skada.avklipptKvitto != 0)
        text += u"Kvitto %1 är avklippt: filen har bara %2 av dess %3 tecken, och nästa registrering "
                u"skriver över dem.\n"_s.arg(skada.avklipptKvitto)
                    .arg(skada.avklipptaByte)
                    .arg(VisitRecord::Size);
    text += u"En kopia av hela filen har sparats som %1 i samma mapp. Kontrollera kvittona och "
            u"registrera dem på nytt vid behov."_s.arg(kopia);
    return text;
}

FileResult granskaBesöksfil(const QDir& folder, const QString& stämpel, QString& varning)
{
    varning.clear();
    visitfile::Granskning granskning;
    if (FileResult granskad = visitfile::GranskaBesöksFil(folder, stämpel, granskning); !granskad) {
        // Damage found and no copy of it: the save's error, and what to do before the desk writes.
        if (!granskning.skada.finns())
            return granskad;
        return FileResult::failure(
            u"Besöksfilen %1 är skadad, och en kopia av den kunde inte sparas innan kassan skriver "
            u"i den. %2 Frigör utrymme eller kontrollera mappens behörighet och starta programmet "
            u"igen."_s.arg(visitfile::fileName(), granskad.error));
    }
    if (granskning.skada.finns())
        varning = skadadBesöksfil(granskning.skada, granskning.kopia);
    return FileResult::success();
}

bool granskaBesöksfil(ui::Form& form, const QDir& folder)
{
    QString skada;
    const FileResult granskad = granskaBesöksfil(
        folder, form.clock().yymmdd() + u'-' + form.clock().hhmm(), skada);
    if (!granskad) {
        form.dialogs().message(granskad.error);
        return false;
    }
    if (!skada.isEmpty()) {
        form.dialogs().message(skada);
        return false;
    }
    return true;
}

} // namespace filemessages
