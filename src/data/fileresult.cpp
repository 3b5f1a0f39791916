#include "data/fileresult.h"

#include <cerrno>

// The receptionist sees these words after "kunde inte sparas:" or "kunde inte läsas:", so they
// say what went wrong with the disk in plain Swedish rather than in the system's own terms.
QString reasonFromErrno(int errnoValue)
{
    switch (errnoValue) {
    case ENOSPC:
        return QStringLiteral("disken är full");
    case EDQUOT:
        return QStringLiteral("det tilldelade diskutrymmet är slut");
    case EFBIG:
        return QStringLiteral("filen blir för stor");
    case EACCES:
    case EPERM:
        return QStringLiteral("åtkomst nekad");
    case EROFS:
        return QStringLiteral("disken är skrivskyddad");
    case EIO:
        return QStringLiteral("läs- eller skrivfel på disken");
    case ENOENT:
        return QStringLiteral("filen eller mappen finns inte");
    case ENOTDIR:
        return QStringLiteral("en del av sökvägen är ingen mapp");
    case EISDIR:
        return QStringLiteral("det finns en mapp med samma namn");
    case EEXIST:
        return QStringLiteral("filen finns redan");
    case ENAMETOOLONG:
        return QStringLiteral("namnet är för långt");
    case EMFILE:
    case ENFILE:
        return QStringLiteral("för många öppna filer");
    case ENOMEM:
        return QStringLiteral("minnet räcker inte");
    case EBUSY:
    case ETXTBSY:
        return QStringLiteral("filen används av ett annat program");
    case EAGAIN:
        return QStringLiteral("filen är tillfälligt upptagen");
    case EINTR:
        return QStringLiteral("åtgärden avbröts");
    case EXDEV:
        return QStringLiteral("filen ligger på en annan disk");
    case ELOOP:
        return QStringLiteral("för många symboliska länkar i sökvägen");
    case ESTALE:
        return QStringLiteral("nätverksdisken svarar inte längre");
    case NotARegularFile:
        return QStringLiteral("det är ingen vanlig fil");
    case 0:
        // Reached when a device stopped short without telling why.
        return QStringLiteral("allt kunde inte skrivas");
    default:
        return QStringLiteral("okänt fel (felkod %1)").arg(errnoValue);
    }
}
