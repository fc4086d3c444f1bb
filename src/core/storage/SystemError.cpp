#include "core/storage/SystemError.h"

#include <cerrno>

namespace pendrel {

QString frenchSystemError(int errnum, QFileDevice::FileError kind)
{
    switch (errnum) {
    case ENOSPC:
    case EDQUOT:
        return QStringLiteral("disque plein");
    case EACCES:
    case EPERM:
        return QStringLiteral("accès refusé");
    case ENOENT:
        return QStringLiteral("fichier introuvable");
    case ENOTDIR:
        return QStringLiteral("dossier introuvable");
    case EROFS:
        return QStringLiteral("disque en lecture seule");
    case EISDIR:
        return QStringLiteral("c'est un dossier, pas un fichier");
    case EIO:
        return QStringLiteral("erreur de lecture ou d'écriture du disque");
    case ENAMETOOLONG:
        return QStringLiteral("nom de fichier trop long");
    case EMFILE:
    case ENFILE:
        return QStringLiteral("trop de fichiers ouverts");
    case EFBIG:
        return QStringLiteral("fichier trop gros");
    case EBUSY:
    case ETXTBSY:
        return QStringLiteral("fichier occupé");
    case ENOMEM:
        return QStringLiteral("mémoire insuffisante");
    default:
        break;
    }
    switch (kind) {
    case QFileDevice::ReadError:
        return QStringLiteral("erreur de lecture");
    case QFileDevice::WriteError:
        return QStringLiteral("erreur d'écriture");
    case QFileDevice::ResourceError:
        return QStringLiteral("ressources du système épuisées (disque plein ?)");
    case QFileDevice::OpenError:
        return QStringLiteral("ouverture impossible");
    case QFileDevice::PermissionsError:
        return QStringLiteral("accès refusé");
    case QFileDevice::RemoveError:
        return QStringLiteral("suppression impossible");
    case QFileDevice::RenameError:
        return QStringLiteral("remplacement du fichier impossible");
    case QFileDevice::ResizeError:
        return QStringLiteral("changement de taille impossible");
    default:
        break;
    }
    return errnum ? QStringLiteral("erreur du système n° %1").arg(errnum) : QStringLiteral("erreur inconnue du système");
}

QString frenchFileError(const QFileDevice &file)
{
    return frenchSystemError(errno, file.error());
}

} // namespace pendrel
