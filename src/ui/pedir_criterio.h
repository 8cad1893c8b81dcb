#pragma once

#include "localizacao.h"

#include <QString>

class QWidget;

namespace tolv {

class TArvore;
class TDBUtils;

// The search services. Each opens its dialog modally, frees it when it closes and
// returns what it collected.

// The tree search: the chosen employer or link; empty when nothing was chosen.
ResultadoLocalizacao LocalizarNaArvore(QWidget *parent = nullptr, TDBUtils *banco = nullptr);
// Makes the entry of a tree-search result current in the tree: the employer
// (kind 0) or the link (kind 1). False, with the current entry unchanged, for an
// empty result or one the tree does not hold. The caller then selects and expands
// the current entry's node.
bool SelecionarLocalizacao(TArvore &arvore, const ResultadoLocalizacao &resultado);

// "INSCRICAO-", "RAZAO-" or "PIS/PASEP-" criterion; layout 1, 2 or 3.
QString PedirCriterioEmpresa(int layout, QWidget *parent = nullptr);
// The employer dialog with layout 3, as the balance consultation's record.
TRegLocalizar PedirCriterioSaldo(QWidget *parent = nullptr);
// "PROTOCOLO-", "INSCRICAO-" or "PIS/PASEP-" (layout 2 offers the PIS);
// `protocolo` starts in the protocol field.
QString PedirCriterioProtocolo(int layout, const QString &protocolo = {}, QWidget *parent = nullptr);
// "PIS/PASEP-" or "NOME-".
QString PedirCriterioTrabalhador(QWidget *parent = nullptr);

} // namespace tolv
