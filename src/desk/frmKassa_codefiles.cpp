#include "desk/frmKassa.h"

#include "ui/filemessages.h"

// The desk's readings of Taxa.txt and Åtgärd.txt. A receipt is shown with the code files as
// they are on disk now, so every display and activation reads both files again; most readings
// find the bytes the desk already has, and then the table it has stays in use.

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

// The lists are not refilled: they keep the codes of start-up.
void frmKassa::HämtaTaxor()
{
    QByteArray bytes;
    if (const FileResult read = codetables::readCodeFile(m_program.folder, CodeList::Tariff, bytes);
        !read)
        return visaFilfel(read);
    take(m_taxor, bytes, codetables::tariffTable);
}

void frmKassa::HämtaÅtgärder()
{
    QByteArray bytes;
    if (const FileResult read =
            codetables::readCodeFile(m_program.folder, CodeList::Procedure, bytes);
        !read)
        return visaFilfel(read);
    take(m_åtgärder, bytes, codetables::procedureTable);
}
