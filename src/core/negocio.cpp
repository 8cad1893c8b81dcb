#include "negocio.h"

#include "errors.h"

namespace tolv {

namespace {
const QString kSemDataSet = QStringLiteral("DataSet não inicializado");
}

TNegocio::TNegocio(TDBUtils *banco)
    : m_banco(banco ? banco : TDBUtils::Instancia())
{
}

TNegocio::~TNegocio() = default;

void TNegocio::Inicializar()
{
    SqlSelect.clear();
    SqlFrom.clear();
    CodigoMensagem.clear();
}

void TNegocio::Limpar() {}

void TNegocio::CarregarCampos() { Limpar(); }

void TNegocio::AtribuirDataSet(std::unique_ptr<ResultSet> novo)
{
    if (m_dataSet) {
        Limpar();
        m_dataSet.reset();
    }
    m_dataSet = std::move(novo);
}

std::unique_ptr<ResultSet> TNegocio::LiberarDataSet() { return std::move(m_dataSet); }

bool TNegocio::AbrirConsulta(const QString &sql)
{
    CodigoMensagem.clear();
    try {
        AtribuirDataSet(m_banco->Abrir(sql));
    } catch (const std::exception &) {
        AtribuirDataSet(std::make_unique<ResultSet>());
        Limpar();
        CodigoMensagem = QStringLiteral("0144");
        return false;
    }
    IrPrimeiro();
    return true;
}

const ResultSet &TNegocio::dataSet() const
{
    if (!m_dataSet)
        throw ENegocio(kSemDataSet);
    return *m_dataSet;
}

ResultSet &TNegocio::dataSet()
{
    if (!m_dataSet)
        throw ENegocio(kSemDataSet);
    return *m_dataSet;
}

void TNegocio::IrPrimeiro()
{
    ResultSet &ds = dataSet();
    ds.first();
    Limpar();
    if (ds.rowCount() > 0)
        CarregarCampos();
}

void TNegocio::IrProximo()
{
    ResultSet &ds = dataSet();
    ds.next();
    Limpar();
    if (ds.rowCount() > 0)
        CarregarCampos();
}

bool TNegocio::Fim() const { return dataSet().eof(); }

int TNegocio::QuantidadeRegistros() const { return dataSet().rowCount(); }

Field TNegocio::Campo(const QString &nome) const { return dataSet().field(nome); }

bool TNegocio::TemCampo(const QString &nome) const { return dataSet().hasColumn(nome); }

bool TNegocio::LocalizarValor(const QString &coluna, const QString &valor)
{
    ResultSet &ds = dataSet();
    const int col = ds.columnIndex(coluna);
    if (col < 0)
        throw DatabaseError(QStringLiteral("Campo '%1' não encontrado").arg(coluna));
    const int savedRow = ds.recNo();
    const bool savedEof = ds.eof();
    for (int row = 0; row < ds.rowCount(); ++row) {
        ds.moveTo(row);
        if (ds.field(col).toString() == valor) {
            CarregarCampos();
            return true;
        }
    }
    ds.setCursor(savedRow, savedEof);
    return false;
}

} // namespace tolv
