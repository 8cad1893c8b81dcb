#pragma once

#include "core/negocio.h"

#include <QString>
#include <QStringList>
#include <memory>

namespace tolv {

class TRescisao;
class TTrabalhador;
class TVinculo;

// One worker line of a guide (SFGTBG09_GUIA_INDIVIDUAL): the worker, the link and
// the twenty computed amounts as they went into the guide.
class TGuiaTrabalhador : public TNegocio {
public:
    explicit TGuiaTrabalhador(TDBUtils *banco = nullptr);
    ~TGuiaTrabalhador() override;

    QString CodigoBarras;
    TTrabalhador &Trabalhador() { return *m_trabalhador; }
    TVinculo &Vinculo() { return *m_vinculo; }
    TRescisao &Rescisao() { return *m_rescisao; }

    void Inicializar() override;
    void Limpar() override;
    void CarregarCampos() override;

    // The line of the link (key from Vinculo and Trabalhador) in a guide that was paid and processed.
    bool LocalizarGuiaProcessada();
    // The lines of the guide CodigoBarras; `chaves` (PIS digits + "yyyy-mm-dd" + category)
    // narrows them; `colunaOrdem` orders them.
    bool ListarLinhas(const QStringList &chaves, const QString &colunaOrdem);
    // Inserts or updates the line.
    bool Gravar();

private:
    std::unique_ptr<TTrabalhador> m_trabalhador;
    std::unique_ptr<TVinculo> m_vinculo;
    std::unique_ptr<TRescisao> m_rescisao;
};

} // namespace tolv
