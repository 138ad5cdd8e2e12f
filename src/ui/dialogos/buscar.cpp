// The search dialog: the index, the listings, the search button and the
// box that finds entries as the user types.
#include "ui/dialogos/buscar.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

#include "core/estado.h"
#include "programa/ortos.h"
#include "ui/marco/marco.h"
#include "ui/principal/botonera.h"

namespace vsp::ui {

namespace {

const char* const NombresListados[NumCategorias] = {"Lst_Plane", "Lst_Messi", "Lst_Const", "Lst_Estre",
                                                    "Lst_Galax", "Lst_NebPl", "Lst_NebDi", "Lst_CumAb",
                                                    "Lst_CumGl", "Lst_Quasa", "Lst_Pulsa", "Lst_Aguje"};
constexpr int RolFila = Qt::UserRole;
constexpr int RolCategoria = Qt::UserRole + 1;

QFont fuenteFija() { return FuenteFija(12); }

QListWidget* lista(const char* nombre) {
    auto* l = new QListWidget;
    l->setObjectName(QString::fromLatin1(nombre));
    l->setFont(fuenteFija());
    l->setUniformItemSizes(true);
    l->setTextElideMode(Qt::ElideNone);  // long rows scroll rather than lose their end
    PonCursor(l->viewport(), Puntero::ManoIndice);
    return l;
}

}  // namespace

Buscar::Buscar(QWidget* padre) : QDialog(padre) {
    setObjectName(QStringLiteral("Buscar"));
    setWindowTitle(QStringLiteral("Buscar objetos"));
    setModal(true);

    titulo_ = new QLabel;
    titulo_->setObjectName(QStringLiteral("Lab_Titulo"));
    QFont grande = titulo_->font();
    grande.setPointSizeF(grande.pointSizeF() * 1.3);
    grande.setBold(true);
    titulo_->setFont(grande);

    texto_ = new QLineEdit;
    texto_->setObjectName(QStringLiteral("Tex_Buscar"));
    texto_->setToolTip(QStringLiteral("Intro centra la carta en lo primero que se encuentre"));
    texto_->setPlaceholderText(QStringLiteral("Buscar por nombre, código o número: Vega, M31, Orión, Júpiter…"));
    texto_->setClearButtonEnabled(true);
    texto_->installEventFilter(this);
    connect(texto_, &QLineEdit::textChanged, this, &Buscar::filtra);

    indice_ = lista("Lst_Indice");
    for (const Categoria& c : Categorias) indice_->addItem(QString::fromUtf8(c.titulo));
    connect(indice_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        muestraCategoria(indice_->row(item));
    });

    cabecera_ = new QLabel;
    cabecera_->setObjectName(QStringLiteral("Lab_Cabecera"));
    cabecera_->setFont(fuenteFija());
    cabecera_->setTextFormat(Qt::PlainText);
    cabecera_->setContentsMargins(4, 0, 0, 0);  // over the rows' own margin
    leyenda_ = new QLabel;
    leyenda_->setObjectName(QStringLiteral("Lab_TexMagni"));
    leyenda_->setFont(fuenteFija());
    leyenda_->setTextFormat(Qt::PlainText);

    auto* columna = new QVBoxLayout;
    columna->addWidget(titulo_);
    columna->addWidget(texto_);
    columna->addWidget(cabecera_);
    columna->addWidget(indice_, 1);
    for (int k = 0; k < NumCategorias; ++k) {
        QListWidget* l = listados_[static_cast<std::size_t>(k)] = lista(NombresListados[k]);
        // A click makes the row current before it selects it: the choice is
        // complete when the selection changes.
        connect(l, &QListWidget::itemSelectionChanged, this, &Buscar::actualizaBoton);
        connect(l, &QListWidget::itemDoubleClicked, this, [this, l](QListWidgetItem* item) {
            l->setCurrentItem(item);
            centra();
        });
        l->installEventFilter(this);
        columna->addWidget(l, 1);
    }
    hallados_ = lista("Lst_Hallados");
    connect(hallados_, &QListWidget::currentRowChanged, this, &Buscar::actualizaBoton);
    connect(hallados_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        hallados_->setCurrentItem(item);
        centra();
    });
    hallados_->installEventFilter(this);
    columna->addWidget(hallados_, 1);
    explicacion_ = lista("Lst_TexPlane");
    explicacion_->setMaximumHeight(explicacion_->fontMetrics().height() * 10);
    explicacion_->setSelectionMode(QAbstractItemView::NoSelection);
    for (const char* linea : ExplicacionPlanetas) explicacion_->addItem(QString::fromUtf8(linea));
    columna->addWidget(explicacion_);
    columna->addWidget(leyenda_);

    // Room for the longest account, the Sun's six lines, kept whether or not
    // an entry is chosen, so that the listing does not jump.
    ortos_ = new QLabel;
    ortos_->setObjectName(QStringLiteral("Lab_Ortos"));
    ortos_->setFont(fuenteFija());
    ortos_->setTextFormat(Qt::PlainText);
    ortos_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    ortos_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ortos_->setFrameShape(QFrame::StyledPanel);
    ortos_->setMargin(4);
    const int marco = 2 * (ortos_->margin() + ortos_->frameWidth());
    ortos_->setFixedHeight(QFontMetrics(fuenteFija()).lineSpacing() * 6 + marco);
    ortos_->setToolTip(QStringLiteral("Próximos orto, culminación y ocaso del objeto elegido tras el instante de la "
                                      "carta, en hora local"));
    ortos_->setAccessibleName(QStringLiteral("Orto, culminación y ocaso"));
    columna->addWidget(ortos_);

    buscar_ = new BotonImagen(ImagenBoton(Boton::Busca, 50), QStringLiteral("Centrar la carta en el objeto elegido"));
    buscar_->setObjectName(QStringLiteral("Pic_BotBuscar"));
    connect(buscar_, &QAbstractButton::clicked, this, &Buscar::centra);
    auto* salir = BotonDeSalida();
    connect(salir, &QAbstractButton::clicked, this, &Buscar::reject);
    auto* botones = new QVBoxLayout;
    botones->addStretch();
    botones->addWidget(buscar_);
    botones->addWidget(salir);

    auto* todo = new QHBoxLayout(this);
    todo->addLayout(columna, 1);
    todo->addLayout(botones);
    const int ancho = QFontMetrics(fuenteFija()).horizontalAdvance(QString(92, u'M'));
    resize(ancho + 120, 560);
    muestraCategoria(-1);
}

void Buscar::llenaListados() {
    for (int k = 0; k < NumCategorias; ++k) {
        QListWidget* l = listados_[static_cast<std::size_t>(k)];
        const auto filas = FilasCategoria(k);
        if (l->count() == static_cast<int>(filas.size())) continue;
        l->clear();
        QStringList textos;
        textos.reserve(static_cast<int>(filas.size()));
        for (const std::string& f : filas) textos << QString::fromStdString(f);
        l->addItems(textos);
    }
}

void Buscar::showEvent(QShowEvent* ev) {
    llenaListados();  // the catalogues are loaded after the dialog is built
    QDialog::showEvent(ev);
    texto_->setFocus();
}

void Buscar::muestraCategoria(int k) {
    categoria_ = k;
    const bool indice = k < 0;
    titulo_->setText(indice ? QStringLiteral("Índice General") : QString::fromUtf8(Categorias[k].titulo));
    indice_->setVisible(indice && texto_->text().isEmpty());
    hallados_->setVisible(indice && !texto_->text().isEmpty());
    for (int i = 0; i < NumCategorias; ++i) listados_[static_cast<std::size_t>(i)]->setVisible(i == k);
    const bool cabecera = !indice && *Categorias[k].cabecera;
    cabecera_->setVisible(cabecera);
    if (cabecera) cabecera_->setText(QString::fromUtf8(Categorias[k].cabecera));
    const bool leyenda = !indice && *Categorias[k].leyenda;
    leyenda_->setVisible(leyenda);
    if (leyenda) leyenda_->setText(QString::fromUtf8(Categorias[k].leyenda));
    explicacion_->setVisible(k == 0);
    if (!indice) filtra();
    actualizaBoton();
}

void Buscar::filtra() {
    const std::string texto = texto_->text().toStdString();
    if (categoria_ < 0) {
        // On the index: the matches of every category, or the index again.
        indice_->setVisible(texto.empty());
        hallados_->setVisible(!texto.empty());
        hallados_->clear();
        for (const Hallazgo& h : BuscaTexto(texto)) {
            auto* item = new QListWidgetItem(
                QStringLiteral("%1 │ %2")
                    .arg(QString::fromUtf8(Categorias[h.categoria].titulo).leftJustified(22),
                         QString::fromStdString(std::string(FilasCategoria(h.categoria)[static_cast<std::size_t>(h.fila)]))),
                hallados_);
            item->setData(RolCategoria, h.categoria);
            item->setData(RolFila, h.fila);
        }
        actualizaBoton();
        return;
    }
    // In a listing: the rows that match stay.
    QListWidget* l = listados_[static_cast<std::size_t>(categoria_)];
    std::vector<bool> queda(static_cast<std::size_t>(l->count()), texto.empty());
    if (!texto.empty())
        for (const Hallazgo& h : BuscaTexto(texto, categoria_)) queda[static_cast<std::size_t>(h.fila)] = true;
    for (int i = 0; i < l->count(); ++i) l->item(i)->setHidden(!queda[static_cast<std::size_t>(i)]);
    actualizaBoton();
}

std::optional<Hallazgo> Buscar::elegido() const {
    if (categoria_ < 0) {
        const QListWidgetItem* item = hallados_->isVisible() ? hallados_->currentItem() : nullptr;
        if (!item) return std::nullopt;
        return Hallazgo{item->data(RolCategoria).toInt(), item->data(RolFila).toInt()};
    }
    const QListWidget* l = listados_[static_cast<std::size_t>(categoria_)];
    const QListWidgetItem* item = l->currentItem();
    if (!item || item->isHidden() || !item->isSelected()) return std::nullopt;
    return Hallazgo{categoria_, l->row(item)};
}

void Buscar::actualizaBoton() {
    // The hand over the button when there is something to centre.
    const auto h = elegido();
    if (h && Categorias[h->categoria].centrable)
        PonCursor(buscar_, Puntero::ManoIndice);
    else
        buscar_->unsetCursor();
    QStringList lineas;
    if (h)
        for (const std::string& l : OrtosDeEntrada(h->categoria, h->fila)) lineas << QString::fromStdString(l);
    ortos_->setText(lineas.join(u'\n'));
}

void Buscar::centra() {
    const auto h = elegido();
    if (!h || !Categorias[h->categoria].centrable) return;
    if (CentraEntrada(h->categoria, h->fila)) reject();  // closes as the exit button does
}

bool Buscar::eventFilter(QObject* objeto, QEvent* evento) {
    if (evento->type() != QEvent::KeyPress) return false;
    const int tecla = static_cast<QKeyEvent*>(evento)->key();
    if (tecla != Qt::Key_Return && tecla != Qt::Key_Enter) return false;
    if (objeto == texto_) {
        // Enter in the box: the first match.
        QListWidget* l = categoria_ < 0 ? hallados_ : listados_[static_cast<std::size_t>(categoria_)];
        for (int i = 0; i < l->count(); ++i)
            if (!l->item(i)->isHidden()) {
                l->setCurrentRow(i);
                break;
            }
    }
    centra();
    return true;
}

void Buscar::reject() {
    PlaySonido(5);
    texto_->clear();
    for (QListWidget* l : listados_) l->setCurrentRow(-1);
    indice_->setCurrentRow(-1);
    indice_->clearSelection();
    muestraCategoria(-1);
    done(QDialog::Rejected);
}

}  // namespace vsp::ui
