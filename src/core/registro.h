#pragma once

#include <QString>
#include <QStringList>

namespace tolv {

// Read-only access to the machine-wide settings of the bank's communication
// module (on Windows, HKEY_LOCAL_MACHINE\SOFTWARE\ORBEL\KTZ\<subkey>).
// Elsewhere the same values live in an INI file: TOLV_REGISTRY when set, else
// the system-wide "ORBEL/KTZ.ini" of the platform's configuration directories
// (/etc/xdg/ORBEL/KTZ.ini on Linux), with one group per subkey:
//
//   [Ambiente]
//   Caminho=/opt/ktz
//
// A missing key or value reads as empty; nothing is reported.
namespace Registro {

QStringList LerRegistro(const QString &subchave, const QStringList &nomes);

// Tests point the lookup at a file of their own (empty: back to the default).
void DefinirArquivo(const QString &caminho);

} // namespace Registro

} // namespace tolv
