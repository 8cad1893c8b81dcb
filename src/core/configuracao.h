#pragma once

#include "date.h"

#include <QString>
#include <QStringList>

namespace tolv {

// The settings read from VESK.ini, plus the two process-wide dates that are
// loaded with them. Read once at start; read-only afterwards.
struct Configuracao {
    bool SelecionaArquivoVelnora = true;  // false: offline mode, nothing goes to the bank
    bool GravaArquivo = false;            // keep copies of received and generated files
    bool LogSql = false;                  // trace every statement to VESKBD.log
    Date DataPagamento = DataNula;        // pay date of the open movement
    Date DataEditalProRata = DataNula;    // edital date of the pro-rata index table
};

// The process-wide settings (set by IniciarAplicacao, read by every layer).
Configuracao &ConfiguracaoGlobal();

// Splits file content into lines; a line ends in LF, CRLF or CR and only the
// line break is removed.
QStringList DividirLinhas(const QString &conteudo);

// Applies the configuration lines to the three switches (the dates are left alone):
// a key matches anywhere in a line, the value is everything after the first "=",
// not trimmed, "S"/"N" compared without case; a switch once set stays set.
void AplicarLinhasConfiguracao(const QStringList &linhas, Configuracao &cfg);

// The database to open: the value of a line "CAMINHO_BANCO=..." (a local file or
// "host:/path/TOLV.FDB" on a Firebird server), else `padrao`. Lets an office that
// outgrows one machine keep its data on a server without changing the program.
QString CaminhoBancoConfigurado(const QStringList &linhas, const QString &padrao);

// The text `tolv-cli init` writes as VESK.ini: the defaults, commented.
QString ConteudoPadraoIni();

} // namespace tolv
