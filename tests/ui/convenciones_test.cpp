// What every window of the program keeps, checked over all of them: picture
// buttons name themselves in their tool tip, they and push buttons wear the
// hand, check boxes show the pencil while clear and the eraser while ticked,
// the keyboard visits the controls in reading order, a text box reached by
// the keyboard selects what is typed over first and is wide enough for its
// text, and each dialog is modal, of a fixed size unless it lists, and closes
// with its exit button and sound 5.
#include <QAbstractScrollArea>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>

#include <climits>
#include <functional>

#include "dialogo.h"
#include "ui/dialogos/animar.h"
#include "ui/dialogos/buscar.h"
#include "ui/dialogos/cargaguar.h"
#include "ui/dialogos/hora.h"
#include "ui/dialogos/impresor.h"
#include "ui/dialogos/locali.h"
#include "ui/dialogos/objetos.h"
#include "ui/dialogos/personal.h"
#include "ui/marco/ayuda.h"
#include "ui/marco/marco.h"
#include "ui/marco/mensaje_box.h"
#include "ui/principal/lienzo_cielo.h"
#include "ui/principal/ventana_cielo.h"

namespace vsp::ui {
namespace {

constexpr int kTodo = INT_MAX;  // the whole text

struct Ventana {
    std::string nombre;
    std::function<std::unique_ptr<QWidget>()> crea;
    std::vector<std::string> tab;                        // the Tab order, when given
    std::vector<std::pair<const char*, int>> seleccion;  // what reaching each box selects
};

const std::vector<Ventana> kVentanas = {
    {"Animar", [] { return std::make_unique<Animar>(); },
     {"Opt_Animar1", "Tex_Unidades", "Chk_TiempoReal"}, {{"Tex_Unidades", kTodo}}},
    {"Buscar", [] { return std::make_unique<Buscar>(); }, {"Tex_Buscar", "Lst_Indice"}, {}},
    {"CargaGuar", [] { return std::make_unique<CargaGuar>(); },
     {"Fil_Ficheros", "Tex_Fichero", "Tex_Confi", "Chk_IncluirAnima"}, {{"Tex_Fichero", kTodo}, {"Tex_Confi", kTodo}}},
    {"Hora", [] { return std::make_unique<Hora>(); },
     {"Tex_FecDia1", "Tex_FecMes1", "Tex_FecAno1", "Tex_Hora1", "Tex_FecDia2", "Tex_FecMes2", "Tex_FecAno2",
      "Tex_Hora2", "Tex_Zona", "Chk_HorarioVer", "Chk_HoraAutomatica", "Bot_FecMedNoc", "Bot_FecMedDia", "Bot_FecHorsis", "Opt_Siderea",
      "Opt_Solar", "Pic_BotSalir"},
     {{"Tex_FecDia1", 2}, {"Tex_FecMes1", 2}, {"Tex_FecAno1", 5}, {"Tex_Hora1", 8}, {"Tex_FecDia2", 2},
      {"Tex_FecMes2", 2}, {"Tex_FecAno2", 5}, {"Tex_Hora2", 8}, {"Tex_Zona", 5}, {"Tex_FecJul", kTodo}}},
    {"Impresor", [] { return std::make_unique<Impresor>(QSize(800, 600)); },
     {"Tex_Ancho", "Tex_Alto", "Chk_ImprimirDatos", "Pic_BotImprimir", "Bot_VistaPrevia"},
     {{"Tex_Ancho", kTodo}, {"Tex_Alto", kTodo}}},
    {"Locali", [] { return std::make_unique<Locali>(); },
     {"Cbo_Localidad", "Tex_Longi", "Tex_Lati", "Tex_Zona", "Tex_Direc", "Tex_Eleva", "Tex_Zoom", "Pic_BotSalir"},
     {{"Tex_Longi", 0}, {"Tex_Lati", 0}, {"Tex_Zona", 5}, {"Tex_Direc", 7}, {"Tex_Eleva", 3}, {"Tex_Zoom", 4}}},
    {"Objetos", [] { return std::make_unique<Objetos>(); }, {}, {{"Tex_NivVisEstre", kTodo}, {"Tex_NivVisConst", kTodo}}},
    {"Personal", [] { return std::make_unique<Personal>(); }, {"Tex_Teles"}, {{"Tex_Teles", 0}}},
    {"VentanaCielo", [] { return std::make_unique<VentanaCielo>(); }, {}, {}},
    {"Mensajes", [] { return std::make_unique<Mensajes>("Impresión", "¿Imprimir?", 3, 2); }, {}, {}},
    {"Ayuda", [] {
         auto documento = LeeAyuda(QStringLiteral(VESPERA_DATOS "/VESPE31.HLP"));
         return documento ? std::make_unique<VentanaAyuda>(*documento) : nullptr;
     }, {"Visor", "Bot_Indice"}, {}},  // back and forward wait for a history
};

bool lleva(const QWidget* w, Puntero p) {
    return w->testAttribute(Qt::WA_SetCursor) && w->cursor().shape() == Qt::BitmapCursor &&
           w->cursor().pixmap().cacheKey() == CursorPrograma(p).pixmap().cacheKey();
}

class Convenciones : public PruebaDialogo<QWidget> {
protected:
    // `prueba` on each window as the user first sees it, or as large as the
    // screen lets it be.
    static void recorre(const std::function<void(const Ventana&, QWidget*)>& prueba, bool agrandada = false) {
        for (const Ventana& v : kVentanas) {
            SCOPED_TRACE(v.nombre);
            const std::unique_ptr<QWidget> w = v.crea();
            if (agrandada) w->resize(w->sizeHint().expandedTo(QSize(1000, 700)).boundedTo(w->maximumSize()));
            ASSERT_TRUE(MuestraActiva(w.get()));
            prueba(v, w.get());
        }
    }
};

TEST_F(Convenciones, ButtonsAndCheckBoxesTellWhatAClickDoes) {
    recorre([](const Ventana&, QWidget* w) {
        for (const BotonImagen* b : w->findChildren<BotonImagen*>()) {
            const std::string nombre = b->objectName().toStdString();
            EXPECT_FALSE(b->toolTip().isEmpty()) << nombre;
            EXPECT_EQ(b->accessibleName(), b->toolTip()) << nombre;
            // The search's and the load's buttons show the hand only once
            // there is something to centre or to load.
            const bool segunEstado = nombre == "Pic_BotBuscar" || nombre == "Pic_BotAceptar";
            EXPECT_TRUE(segunEstado || lleva(b, Puntero::ManoIndice)) << nombre;
        }
        for (const QAbstractButton* b : w->findChildren<QAbstractButton*>()) {
            const bool deCaja = qobject_cast<const QLineEdit*>(b->parent());  // Qt's own clear button
            const bool pulsador = qobject_cast<const QPushButton*>(b) || qobject_cast<const QToolButton*>(b);
            EXPECT_TRUE(!pulsador || deCaja || lleva(b, Puntero::ManoIndice)) << b->text().toStdString();
        }
        for (QCheckBox* c : w->findChildren<QCheckBox*>()) {
            if (!c->isVisibleTo(w)) continue;
            SCOPED_TRACE(c->objectName().toStdString());
            EXPECT_TRUE(lleva(c, c->isChecked() ? Puntero::Goma : Puntero::Lapiz));
            if (!c->isEnabled() || !c->isVisible()) continue;
            QTest::mouseClick(c, Qt::LeftButton, {}, QPoint(8, c->height() / 2));
            EXPECT_TRUE(lleva(c, c->isChecked() ? Puntero::Goma : Puntero::Lapiz)) << "clicked";
        }
    });
}

TEST_F(Convenciones, TheKeyboardReadsEachWindowInOrderAndSelectsWhatIsTypedOverFirst) {
    recorre([](const Ventana& v, QWidget* w) {
        std::vector<std::string> orden;
        for (QWidget* h = w->nextInFocusChain(); h != w; h = h->nextInFocusChain())
            if (h->isVisibleTo(w) && h->isEnabled() && h->focusPolicy() & Qt::TabFocus)
                orden.push_back(h->objectName().toStdString());
        EXPECT_EQ(orden, v.tab.empty() ? orden : v.tab);
        for (const QLineEdit* caja : w->findChildren<QLineEdit*>()) {
            if (!caja->isVisibleTo(w)) continue;
            EXPECT_LE(caja->fontMetrics().horizontalAdvance(caja->text()), caja->width() - 6)
                << caja->objectName().toStdString() << " cuts \"" << caja->text().toStdString() << '"';
        }
        for (const auto& [nombre, cuantos] : v.seleccion) {
            auto* caja = ui::control<QLineEdit>(w, nombre);
            if (!caja) continue;
            caja->setFocus(Qt::TabFocusReason);
            QApplication::processEvents();
            const int esperado = std::min<int>(cuantos, static_cast<int>(caja->text().size()));
            EXPECT_EQ(caja->selectedText().size(), esperado) << nombre;
            EXPECT_EQ(caja->selectionStart(), esperado ? 0 : -1) << nombre;
            EXPECT_EQ(caja->cursorPosition(), esperado) << nombre;
        }
    });
}

// Every control lies within its window, beside the others: none is hidden
// under another or cut by its window's edge. The chart is the main window's
// ground, under its panels and buttons.
TEST_F(Convenciones, NoControlHidesAnotherOrSpillsOutOfItsWindow) {
    const auto propio = [](const QWidget* h) {
        for (const QWidget* p = h->parentWidget(); p; p = p->parentWidget())
            if (qobject_cast<const QAbstractScrollArea*>(p) || qobject_cast<const QComboBox*>(p)) return false;
        return !h->objectName().startsWith(QLatin1String("qt_")) && !qobject_cast<const QScrollBar*>(h) &&
               !h->inherits("QLineEditIconButton") && !h->isWindow();
    };
    const auto nombre = [](const QWidget* h) {
        return h->metaObject()->className() + (" " + h->objectName().toStdString());
    };
    recorre([&](const Ventana&, QWidget* w) {
        QList<QWidget*> padres = w->findChildren<QWidget*>();
        padres << w;
        for (const QWidget* padre : padres) {
            if (!padre->isVisible() || (padre != w && !propio(padre))) continue;
            std::vector<const QWidget*> hijos;
            for (const QObject* o : padre->children())
                if (auto* h = qobject_cast<const QWidget*>(o); h && h->isVisible() && propio(h) && !qobject_cast<const LienzoCielo*>(h))
                    hijos.push_back(h);
            for (std::size_t i = 0; i < hijos.size(); ++i) {
                EXPECT_TRUE(padre->rect().contains(hijos[i]->geometry())) << nombre(hijos[i]) << " spills out";
                EXPECT_FALSE(hijos[i]->geometry().isEmpty()) << nombre(hijos[i]);
                for (std::size_t j = i + 1; j < hijos.size(); ++j)
                    EXPECT_FALSE(hijos[i]->geometry().intersects(hijos[j]->geometry()))
                        << nombre(hijos[i]) << " under " << nombre(hijos[j]);
            }
        }
    }, true);
}

// Each box the user types in is named by a caption on its left or above it,
// or by the title of the frame it stands in, and has a tool tip (its own or
// its frame's, which Qt shows over it).
TEST_F(Convenciones, EveryTypedBoxHasItsCaptionAndToolTip) {
    recorre([](const Ventana&, QWidget* w) {
        const auto sitio = [w](const QWidget* h) { return QRect(h->mapTo(w, QPoint(0, 0)), h->size()); };
        for (const QLineEdit* caja : w->findChildren<QLineEdit*>()) {
            if (!caja->isVisible() || caja->isReadOnly() || qobject_cast<QComboBox*>(caja->parentWidget())) continue;
            const QRect c = sitio(caja);
            const auto* grupo = qobject_cast<const QGroupBox*>(caja->parentWidget());
            bool nombrada = grupo && !grupo->title().isEmpty();
            for (const QLabel* l : w->findChildren<QLabel*>()) {
                const QRect r = sitio(l);
                nombrada |= l->isVisible() && !l->text().trimmed().isEmpty() &&
                            ((r.right() < c.left() && r.center().y() >= c.top() && r.center().y() <= c.bottom()) ||
                             (r.bottom() < c.top() && r.bottom() > c.top() - 200 && r.left() < c.right() && r.right() > c.left()));
            }
            EXPECT_TRUE(nombrada) << caja->objectName().toStdString();
            const QWidget* consejo = caja;
            while (consejo != w && consejo->toolTip().isEmpty()) consejo = consejo->parentWidget();
            EXPECT_FALSE(consejo->toolTip().isEmpty()) << caja->objectName().toStdString();
        }
    });
}

TEST_F(Convenciones, EachDialogIsModalAndItsExitButtonClosesItWithItsSound) {
    QFile campana(QStringLiteral(":/sonidos/5.wav"));
    ASSERT_TRUE(campana.open(QIODevice::ReadOnly));
    const std::string sonido = campana.readAll().toStdString();
    Estado().Sonido = 1;
    recorre([&](const Ventana& v, QWidget* w) {
        // The main window is no dialog; the message box answers instead, and is run modal.
        if (v.nombre == "VentanaCielo" || v.nombre == "Mensajes") return;
        // Only the lists that may grow long can be made larger.
        EXPECT_EQ(w->minimumSize() == w->maximumSize(), v.nombre != "Ayuda" && v.nombre != "Buscar");
        auto* salir = w->findChild<QAbstractButton*>(QStringLiteral("Pic_BotSalir"));
        ASSERT_TRUE(salir && salir->isVisible());
        EXPECT_EQ(w->isModal(), v.nombre != "Ayuda") << "help stays beside the program";
        Estado().SonidoDatos.clear();
        QTest::mouseClick(salir, Qt::LeftButton);
        EXPECT_FALSE(w->isVisible());
        EXPECT_EQ(Estado().SonidoDatos, sonido);
    });
}

}  // namespace
}  // namespace vsp::ui
