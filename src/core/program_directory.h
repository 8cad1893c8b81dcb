#pragma once

#include <QString>

namespace tolv {

// The program directory and the fixed tree under it ("VESK/VESK.ini",
// "VESK/BD/TOLV.FDB", "VESK/TEMP", the logs). The root is TOLV_HOME when set,
// else the directory of the running executable; a front end may override it.
namespace ProgramDirectory {

void setRoot(const QString &path);   // empty: back to TOLV_HOME / executable directory
QString root();                      // absolute, without a trailing separator

// A path under the root; `relative` uses "/" ("VESK/BD/TOLV.FDB").
QString path(const QString &relative);

QString configFile();    // VESK/VESK.ini
QString databaseFile();  // VESK/BD/TOLV.FDB
QString tempDir();       // VESK/TEMP (also reached as "VESK/Temp")
QString errorLog();      // LogErro.log
QString sqlLog();        // VESKBD.log

} // namespace ProgramDirectory

// Deletes every file directly inside `dir` (sub-directories are left alone) and
// creates the directory when it is missing. Failures are not reported.
void EsvaziarDiretorio(const QString &dir);

} // namespace tolv
