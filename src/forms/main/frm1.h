// SPDX-License-Identifier: GPL-3.0-or-later
// Orvane - frm1, the main window.
//
// The window shows the 118 elements as a periodic grid of cells lbl(0..117) drawn by one
// PeriodicTable, an element card,
// a tool bar, a detail panel of 22 value boxes and a legend column. Every control is built from
// the layout tables (MainLayout, and the grid and legend rules of the data library) and carries
// its given name as objectName. What needs no widget (the grid, the views' colours, the legend
// rows) is decided by the data library; this window wires controls to it.
//
// Events are synchronous, as the handlers expect: assigning the list index of cmbN or cmbTab
// runs cmbN_Click or cmbTab_Click before the assignment returns, even when the index does not
// change, and writing a detail box runs txtValor_Change. Every way of selecting an element sets
// the index of cmbN to Z - 1, and cmbN_Click moves the highlight and the frame and fills the
// card and the boxes.
//
// The code is split into files by concern. Building (frm1_build, then Form_Load in frm1_load)
// creates the controls, connects them once (frm1_wiring) and runs handlers; the handlers
// (frm1_selection, frm1_captions, frm1_views, frm1_headings, frm1_search, frm1_report,
// frm1_keys, frm1_animation, frm1_windows, frm1_resize) never call back into building. A legend
// panel's rows are built when the panel is first shown (frm1_legends).
#pragma once

#include "data/ElementTable.h"
#include "data/Legends.h"
#include "data/RandomSource.h"

#include <QElapsedTimer>
#include <QPoint>
#include <QPointer>
#include <QStringList>
#include <QWidget>
#include <array>
#include <memory>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;
class PeriodicTable;
class frm2;
class frm3;
namespace platform {
class ArrowKeyFlags;
class EventComboBox;
class ReadOnlyLineEdit;
} // namespace platform

class frm1 : public QWidget {
    Q_OBJECT
  public:
    // Creating the window runs Form_Load. A null random source means one seeded from the clock.
    explicit frm1(std::unique_ptr<RandomSource> random = nullptr, QWidget* parent = nullptr);
    ~frm1() override;

    // Form events. Form_Unload runs when the window is closed: it closes every other window of
    // the program, modal ones too, and the program ends.
    void Form_Load();
    void Form_Resize();
    void Form_Unload();

    // Element selection and the detail panel.
    void cmbN_Click();
    void cmbN_GotFocus();
    void cmbN_LostFocus();
    void lbl_MouseDown(int index, Qt::MouseButton button);
    void cmdA_Click();
    void cmdP_Click();
    void txtValor_Change(int index);

    // View list.
    void cmbTab_Click();
    void cmbTab_GotFocus();
    void cmbTab_LostFocus();
    void cmdA2_Click();
    void cmdP2_Click();

    // Group-numbering switch: 0 shows the family names over the columns, 1 the IUPAC numbers.
    void optCol_Click(int index);

    // Search: Enter in the search box, or the search button.
    void txtBusca_KeyPress(int keyAscii);
    void cmdBusca_Click();

    // The element report, shown modally.
    void cmdRel_Click();

    // Arrow keys, polled every 100 ms; the animation, every 1000 ms while it runs.
    void tmtKeys_Timer();
    void cmdAni_Click();
    void tmp_Timer();

    // Keeps the program's windows above all others, or puts them back in the normal order.
    void chkOnTop_Click();

    // The logo opens the About window.
    void imgLogo_Click();

    // Caption modes of the cells: symbols alone, or symbol over atomic number.
    void cmdSimb1_Click();
    void cmdSimb2_Click();

    // The information and report windows while they exist, else null.
    frm2* informationWindow() const;
    frm3* reportWindow() const;

    // A second copy of the program asks for this window; it comes forward only while its
    // caption is exactly the title the other copy asked for. The token the other copy was started
    // with, if any, lets it take the focus (Wayland's activation token, or X11's startup id).
    void restoreIfTitled(const QString& title, const QString& activationToken = {});

    // Form-level state.
    int selectedIndex() const { return selectedIndex_; }
    int lastViewIndex() const { return lastViewIndex_; }
    bool comboHasFocus() const { return comboHasFocus_; }
    const std::optional<TPDEQ::ElementRecord>& currentRecord() const { return currentRecord_; }
    QPoint panelHome() const { return panelHome_; }

    // The client size the window keeps in its normal state, in pixels.
    static QSize designSize();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void buildControls();
    void buildGrid();
    void buildHeadings();
    void buildDetailPanel();
    // A legend panel's rows are built when the panel is first shown: most panels never are.
    void fillLegendPanel(int panel);
    void nameForAccessibility();
    void connectHandlers();
    void setCellCaptions(bool withNumbers);
    // Gives the search box the focus with its whole text selected.
    void focusSearchBox();
    // The information and report windows, created (hidden) when they do not exist yet.
    frm2* loadInformationWindow();
    frm3* loadReportWindow();
    template <typename T = QWidget> T* control(const char* name) const {
        return findChild<T*>(QString::fromLatin1(name));
    }

    std::unique_ptr<RandomSource> random_;

    QWidget* picTela_ = nullptr;
    QWidget* pctTabela_ = nullptr;
    PeriodicTable* table_ = nullptr; // the cells, period numbers, headings and selection frame
    std::array<platform::ReadOnlyLineEdit*, 22> txtValor_{}; // indexed by card::Box
    std::array<QLabel*, 22> lblNome_{};
    std::array<QWidget*, legends::kPanelCount> pctLeg_{};
    std::array<QLabel*, legends::kSwatchCount> lblLegenda_{};
    std::array<QPushButton*, 2> optCol_{};
    platform::EventComboBox* cmbN_ = nullptr;
    platform::EventComboBox* cmbTab_ = nullptr;
    QLineEdit* txtBusca_ = nullptr;
    QLabel* lblSimb_ = nullptr;
    QLabel* lblA_ = nullptr;
    QLabel* lblZ_ = nullptr;
    QFont cardMassFont_; // lblA's own font, before a long mass is narrowed to fit
    QWidget* imgLogo_ = nullptr;
    // The arrow keys' timer: ticks every kKeyTickMs on a grid that starts with keyGrid_, but only
    // while presses come (keyPressWaiting starts it, a tick without a press stops it).
    static constexpr int kKeyTickMs = 100;
    void keyPressWaiting();
    QTimer* tmtKeys_ = nullptr;
    QElapsedTimer keyGrid_;
    QTimer* tmp_ = nullptr; // the animation's timer: while it runs, no report
    QPushButton* chkOnTop_ = nullptr;
    platform::ArrowKeyFlags* keyFlags_ = nullptr;
    QPointer<frm2> info_;
    QPointer<frm3> report_;

    std::optional<TPDEQ::ElementRecord> currentRecord_;
    QPoint panelHome_;
    int selectedIndex_ = 0;
    int lastViewIndex_ = 0;
    bool comboHasFocus_ = false;
    bool placing_ = false; // Form_Resize is moving or resizing the window itself
};
