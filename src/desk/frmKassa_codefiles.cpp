#include "desk/frmKassa.h"

#include "ui/filemessages.h"

#include <utility>

// The desk's readings of Taxa.txt and Åtgärd.txt. A receipt is shown with the code files as
// they are on disk now, so every display and activation reads both files again, once per event;
// most readings find the bytes the desk already has, and then the table it has stays in use.

using codetables::CodeList;

namespace {

// Replaces `table` by the one `bytes` make, unless they are the bytes it was made from.
template <typename Table>
void take(Table& table, const QByteArray& bytes, Table (*make)(const QByteArray&))
{
    if (bytes != table.fileBytes())
        table = make(bytes);
}

} // namespace

// Start-up: both files read, the desk's tables made from them, and each list filled once, in
// one step, with its codes in file order; from here on row i of a table is item i of its list.
// A fee or amount that is not a number is used as it stands, but the clinic hears of it now,
// before such a fee is stored with a visit.
FileResult frmKassa::HämtaKodfiler()
{
    QByteArray taxor, åtgärder;
    if (const FileResult read = codetables::readCodeFile(m_program.folder, CodeList::Tariff, taxor);
        !read)
        return read;
    if (const FileResult read =
            codetables::readCodeFile(m_program.folder, CodeList::Procedure, åtgärder);
        !read)
        return read;
    m_taxor = codetables::tariffTable(taxor);
    m_åtgärder = codetables::procedureTable(åtgärder);

    lstTaxekod.addItems(m_taxor.Taxekod.toList());
    lstÅtgärd.addItems(m_åtgärder.Åtgärd.toList());

    const auto varna = [this](CodeList list, const CodeColumn& codes, const CodeColumn& amounts) {
        const QString warning = filemessages::beloppsvarning(
            m_program.folder, list, codes, codetables::rowsWithoutAmount(amounts));
        if (!warning.isEmpty())
            dialogs().message(warning);
    };
    varna(CodeList::Tariff, m_taxor.Taxekod, m_taxor.Patientavgift);
    varna(CodeList::Procedure, m_åtgärder.Åtgärd, m_åtgärder.Åtgärdsbelopp);
    return FileResult::success();
}

// Both files as they are on disk now; an error waits in the reading until a table takes it.
frmKassa::Kodläsning frmKassa::läsKodfiler() const
{
    Kodläsning koder;
    if (const FileResult read =
            codetables::readCodeFile(m_program.folder, CodeList::Tariff, koder.taxor);
        !read)
        koder.taxfel = read;
    if (const FileResult read =
            codetables::readCodeFile(m_program.folder, CodeList::Procedure, koder.åtgärder);
        !read)
        koder.åtgärdsfel = read;
    return koder;
}

// The lists are not refilled: they keep the codes of start-up. An error is told the first time
// a table takes the reading, which from then on stands for the table kept: an activation takes
// its reading twice (the display, then its own re-reading), and the clinic hears of a missing
// file once.
void frmKassa::HämtaTaxor(Kodläsning& koder)
{
    if (koder.taxfel) {
        dialogs().message(std::exchange(koder.taxfel, std::nullopt)->error);
        koder.taxor = m_taxor.fileBytes();
    }
    take(m_taxor, koder.taxor, codetables::tariffTable);
}

void frmKassa::HämtaÅtgärder(Kodläsning& koder)
{
    if (koder.åtgärdsfel) {
        dialogs().message(std::exchange(koder.åtgärdsfel, std::nullopt)->error);
        koder.åtgärder = m_åtgärder.fileBytes();
    }
    take(m_åtgärder, koder.åtgärder, codetables::procedureTable);
}
