#include "geometry/notebook_form.h"

#include <QAbstractButton>
#include <QIconEngine>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStyleOptionTab>
#include <QStylePainter>
#include <QTabBar>
#include <QTabWidget>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextEdit>
#include <QVBoxLayout>
#include <algorithm>
#include <functional>

#include "calc/number.h"
#include "controls/dialog_keys.h"
#include "controls/dialogs.h"
#include "controls/look.h"
#include "controls/numeric_edit.h"
#include "controls/qt_text.h"
#include "geometry/notebook.h"

namespace tivorum {

namespace {

// Page layout, in pixels of the page.
constexpr int kMargin = 8;
constexpr int kFieldWidth = 130;
constexpr int kFieldHeight = 26;
constexpr int kRowPitch = 30;
constexpr int kLabelGap = 6;
constexpr int kColumnGap = 12;
constexpr int kButtonWidth = 72;
constexpr int kButtonHeight = 25;
constexpr int kButtonGap = 4;
constexpr int kPaneGap = 6;
constexpr int kExtraGap = 4;

// ---- The tab rows ---------------------------------------------------------------

// A tab bar that lays its tabs out in rows of a fixed length, each row
// stretched across the bar; the row of the chosen tab sits next to the page.
// Without a row length all tabs share one row at their natural widths.
class RowTabBar : public QTabBar {
 public:
  RowTabBar(int perRow, QWidget* parent) : QTabBar(parent), perRow_(perRow) {
    setUsesScrollButtons(false);
    setElideMode(Qt::ElideNone);
    setDrawBase(false);
    setExpanding(false);
    setMouseTracking(true);
    connect(this, &QTabBar::currentChanged, this, [this] { update(); });
  }

  QSize sizeHint() const override {
    const int width = parentWidget() ? parentWidget()->width() : 400;
    return {width, kTopGap + rowCount() * rowHeight() + 2};
  }
  QSize minimumSizeHint() const override { return {0, sizeHint().height()}; }

  int rowCount() const {
    if (count() == 0) return 1;
    return perRow_ > 0 ? (count() + perRow_ - 1) / perRow_ : 1;
  }

  QRect rowTabRect(int index) const {
    const int rows = rowCount();
    const int row = rowOf(index);
    // Rows turn round so that the current tab's row is the lowest.
    const int fromBottom = (row - rowOf(currentIndex()) + rows) % rows;
    const int top = kTopGap + (rows - 1 - fromBottom) * rowHeight();
    if (perRow_ > 0) {
      const int first = row * perRow_;
      const int inRow = std::min(perRow_, count() - first);
      const int column = index - first;
      const int left = width() * column / inRow;
      const int right = width() * (column + 1) / inRow;
      return {left, top, right - left, rowHeight()};
    }
    // One row at natural widths, squeezed when it is too long.
    std::vector<int> widths;
    int total = 0;
    for (int i = 0; i < count(); ++i) {
      widths.push_back(fontMetrics().horizontalAdvance(tabText(i)) + 16);
      total += widths.back();
    }
    const double scale = total > width() ? double(width()) / total : 1.0;
    int left = 0;
    for (int i = 0; i < index; ++i) left += int(widths[i] * scale);
    return {left, top, int(widths[index] * scale), rowHeight()};
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QStylePainter painter(this);
    // The chosen tab last, so that it overlaps its neighbours.
    for (int i = 0; i < count(); ++i) {
      if (i != currentIndex()) paintTab(painter, i);
    }
    if (currentIndex() >= 0) paintTab(painter, currentIndex());
  }

  void mousePressEvent(QMouseEvent* event) override {
    if (event->button() != Qt::LeftButton) {
      event->ignore();
      return;
    }
    const int index = tabAtPoint(event->position().toPoint());
    if (index >= 0) {
      emit tabBarClicked(index);
      setCurrentIndex(index);
    }
    event->accept();
  }
  void mouseReleaseEvent(QMouseEvent* event) override { event->accept(); }
  void mouseDoubleClickEvent(QMouseEvent* event) override { event->accept(); }
  void mouseMoveEvent(QMouseEvent* event) override {
    const int index = tabAtPoint(event->position().toPoint());
    if (index != hover_) {
      hover_ = index;
      update();
    }
    event->accept();
  }
  void leaveEvent(QEvent* event) override {
    hover_ = -1;
    update();
    QTabBar::leaveEvent(event);
  }
  bool event(QEvent* event) override {
    // The base's hover tracking knows only its own one-row layout.
    switch (event->type()) {
      case QEvent::HoverEnter:
      case QEvent::HoverMove:
      case QEvent::HoverLeave:
        return true;
      default:
        return QTabBar::event(event);
    }
  }

 private:
  static constexpr int kTopGap = 2;  // keeps the top row's edge inside the window

  int rowOf(int index) const { return perRow_ > 0 && index >= 0 ? index / perRow_ : 0; }
  int rowHeight() const { return fontMetrics().height() + 7; }

  int tabAtPoint(QPoint point) const {
    for (int i = 0; i < count(); ++i) {
      if (rowTabRect(i).contains(point)) return i;
    }
    return -1;
  }

  void paintTab(QStylePainter& painter, int index) {
    QStyleOptionTab option;
    initStyleOption(&option, index);
    option.rect = rowTabRect(index);
    option.state &= ~QStyle::State_MouseOver;
    if (index == hover_) option.state |= QStyle::State_MouseOver;
    const int first = perRow_ > 0 ? rowOf(index) * perRow_ : 0;
    const int last = perRow_ > 0 ? std::min(first + perRow_, count()) - 1 : count() - 1;
    if (first == last)
      option.position = QStyleOptionTab::OnlyOneTab;
    else if (index == first)
      option.position = QStyleOptionTab::Beginning;
    else if (index == last)
      option.position = QStyleOptionTab::End;
    else
      option.position = QStyleOptionTab::Middle;
    option.selectedPosition = QStyleOptionTab::NotAdjacent;
    if (rowOf(currentIndex()) == rowOf(index)) {
      if (currentIndex() == index + 1) option.selectedPosition = QStyleOptionTab::NextIsSelected;
      if (currentIndex() == index - 1)
        option.selectedPosition = QStyleOptionTab::PreviousIsSelected;
    }
    painter.drawControl(QStyle::CE_TabBarTabShape, option);
    // The style's padding leaves too little room for a long caption in a
    // fifth of the window ("Spherical Sector"): the label may use most of it.
    QStyleOptionTab label = option;
    const int room = style()->pixelMetric(QStyle::PM_TabBarTabHSpace, &option, this) / 2 - 3;
    if (room > 0) label.rect.adjust(-room, 0, room, 0);
    painter.drawControl(QStyle::CE_TabBarTabLabel, label);
  }

  int perRow_;
  int hover_ = -1;
};

class RowTabWidget : public QTabWidget {
 public:
  RowTabWidget(int perRow, QWidget* parent) : QTabWidget(parent) {
    setTabBar(new RowTabBar(perRow, this));
  }
};

// A page lays its controls out again whenever its size changes.
class PageWidget : public QWidget {
 public:
  using QWidget::QWidget;
  std::function<void()> onResize;

 protected:
  void resizeEvent(QResizeEvent* event) override {
    QWidget::resizeEvent(event);
    if (onResize) onResize();
  }
};

// ---- Button pictures ------------------------------------------------------------

using GlyphDrawing = void (*)(QPainter&);

// A small button picture drawn in 16 x 16 units at whatever size and pixel
// ratio the button asks for; faded when the button is disabled.
class GlyphEngine : public QIconEngine {
 public:
  explicit GlyphEngine(GlyphDrawing draw) : draw_(draw) {}

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, true);
    painter->translate(rect.topLeft());
    painter->scale(rect.width() / 16.0, rect.height() / 16.0);
    if (mode == QIcon::Disabled) painter->setOpacity(0.35);
    draw_(*painter);
    painter->restore();
  }

  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return scaledPixmap(size, mode, state, 1.0);
  }

  QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                       qreal scale) override {
    QPixmap pixmap(size * scale);
    pixmap.fill(Qt::transparent);
    {
      QPainter painter(&pixmap);
      paint(&painter, QRect(QPoint(0, 0), size * scale), mode, state);
    }
    pixmap.setDevicePixelRatio(scale);
    return pixmap;
  }

  QIconEngine* clone() const override { return new GlyphEngine(draw_); }

 private:
  GlyphDrawing draw_;
};

// An eraser.
void drawClearGlyph(QPainter& p) {
  p.translate(8, 8);
  p.rotate(-35);
  p.setPen(QPen(Qt::black, 0.8));
  p.setBrush(QColor(230, 60, 60));
  p.drawRect(QRectF(-7, -3.5, 6, 7));
  p.setBrush(Qt::white);
  p.drawRect(QRectF(-1, -3.5, 8, 7));
}

// A check mark.
void drawSolveGlyph(QPainter& p) {
  QPen pen(kGreen, 2.6);
  pen.setCapStyle(Qt::RoundCap);
  pen.setJoinStyle(Qt::RoundJoin);
  p.setPen(pen);
  p.drawPolyline(QPolygonF({QPointF(2.5, 8.5), QPointF(6.5, 12.5), QPointF(13.5, 3.5)}));
}

// An open door.
void drawCloseGlyph(QPainter& p) {
  p.setPen(QPen(Qt::black, 0.9));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(3.5, 1.5, 9, 13));
  p.setBrush(QColor(160, 110, 40));
  p.drawPolygon(
      QPolygonF({QPointF(3.5, 1.5), QPointF(9.5, 3.5), QPointF(9.5, 15.5), QPointF(3.5, 14.5)}));
  p.setBrush(Qt::black);
  p.drawEllipse(QPointF(8.3, 9), 0.6, 0.6);
}

// A question mark on a round sign.
void drawHelpGlyph(QPainter& p) {
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 70, 180));
  p.drawEllipse(QRectF(1, 1, 14, 14));
  p.setFont(arial(12, true));
  p.setPen(Qt::white);
  p.drawText(QRectF(1, 1, 14, 14), Qt::AlignCenter, QStringLiteral("?"));
}

QPushButton* makeButton(QWidget* page, std::string_view name, std::string_view caption,
                        GlyphDrawing glyph) {
  auto* button = new QPushButton(qstr(caption), page);
  button->setObjectName(qstr(name));
  button->setIcon(QIcon(new GlyphEngine(glyph)));
  button->setIconSize(QSize(16, 16));
  // Enter in a field must not press a button behind the user's back.
  button->setAutoDefault(false);
  return button;
}

// The explanation pane: read-only and disabled, no border, centred navy bold
// text on the button face.
QTextEdit* makeExplanation(QWidget* page, std::string_view name) {
  auto* pane = new QTextEdit(page);
  pane->setObjectName(qstr(name));
  pane->setReadOnly(true);
  pane->setEnabled(false);
  pane->setFrameShape(QFrame::NoFrame);
  pane->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  pane->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  pane->setLineWrapMode(QTextEdit::WidgetWidth);
  pane->setFont(NotebookForm::pageFont());
  QPalette palette = pane->palette();
  const QColor face = palette.color(QPalette::Active, QPalette::Button);
  for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    palette.setColor(group, QPalette::Base, face);
    palette.setColor(group, QPalette::Window, face);
    palette.setColor(group, QPalette::Text, kNavy);
  }
  pane->setPalette(palette);
  return pane;
}

}  // namespace

// ---- ShapePicture --------------------------------------------------------------------

ShapePicture::ShapePicture(PictureDrawing draw, QWidget* parent) : QWidget(parent), draw_(draw) {
  setFixedSize(kSize, kSize);
}

void ShapePicture::paintEvent(QPaintEvent*) {
  if (!draw_) return;
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.setRenderHint(QPainter::TextAntialiasing, true);
  painter.scale(width() / double(kSize), height() / double(kSize));
  painter.setClipRect(QRectF(0, 0, kSize, kSize));
  draw_(painter);
}

// ---- NotebookForm --------------------------------------------------------------------

struct NotebookForm::FieldControls {
  std::string_view name;
  NumericEdit* edit = nullptr;
  QLabel* label = nullptr;
  int page = 0;
  std::string_view sharesWith;  // shown in this field's row
};

struct NotebookForm::PageControls {
  PageWidget* widget = nullptr;
  std::vector<ShapePicture*> pictures;
  std::vector<FieldControls> fields;
  std::vector<std::pair<QWidget*, int>> extras;  // widget and height
  QTextEdit* explanation = nullptr;
  QPushButton* buttons[4] = {};        // Clear, Solve, Close, Help
  std::vector<NumericEdit*> tabOrder;  // the fields in tab order
  QWidget* tabAnchor = nullptr;        // what the fields follow in the tab order
};

QFont NotebookForm::pageFont() {
  return arial(13, true);
}

NotebookForm::NotebookForm(const Notebook& notebook, ModuleHost& host,
                           std::span<const PagePicture> pictures)
    : QDialog(&host.hostWindow()), notebook_(notebook), host_(host) {
  setObjectName(qstr(notebook.formName));
  setWindowTitle(qstr(notebook.caption));
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  setFixedSize(notebook.clientWidth, notebook.clientHeight);

  tabs_ = new RowTabWidget(notebook.tabsPerRow, this);
  tabs_->setObjectName(qstr(notebook.notebookName));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(tabs_);
  tabs_->tabBar()->setFont(arial(11, false));
  QPalette tabPalette = tabs_->tabBar()->palette();
  for (auto group : {QPalette::Active, QPalette::Inactive}) {
    tabPalette.setColor(group, QPalette::WindowText, kBlue);
    tabPalette.setColor(group, QPalette::ButtonText, kBlue);
  }
  tabs_->tabBar()->setPalette(tabPalette);

  QWidget* previous = tabs_->tabBar();
  for (std::size_t index = 0; index < notebook.pages.size(); ++index) {
    const NotebookPage& description = notebook.pages[index];
    const int page = static_cast<int>(index);
    PageControls controls;
    auto* widget = new PageWidget;
    widget->setFont(pageFont());
    controls.widget = widget;
    controls.tabAnchor = previous;
    tabs_->addTab(widget, qstr(description.caption));

    if (index < pictures.size() && pictures[index].draw) {
      auto* picture = new ShapePicture(pictures[index].draw, widget);
      picture->setObjectName(qstr(pictures[index].name));
      picture->setAccessibleName(qstr(description.caption));
      controls.pictures.push_back(picture);
    }
    for (const NotebookField& field : description.fields) {
      FieldControls f;
      f.name = field.name;
      f.page = page;
      f.edit = new NumericEdit(widget);
      f.edit->setObjectName(qstr(field.name));
      f.edit->setMaxChars(field.maxLength);
      f.edit->setDecimalChar(host_.decimalChar());
      f.edit->setFont(pageFont());
      f.label = new QLabel(qstr(field.label), widget);
      f.label->setObjectName(qstr(field.name) + QStringLiteral("Label"));
      f.label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
      f.label->setBuddy(f.edit);
      QString accessible = qstr(field.label);
      if (accessible.endsWith(QLatin1String(" ="))) accessible.chop(2);
      f.edit->setAccessibleName(accessible);
      controls.tabOrder.push_back(f.edit);
      controls.fields.push_back(f);
    }
    controls.explanation = makeExplanation(widget, description.explanationName);
    const NotebookButtons& names = description.buttons;
    QPushButton* clear = makeButton(widget, names.clear, kClearCaption, drawClearGlyph);
    QPushButton* solve = makeButton(widget, names.solve, kSolveCaption, drawSolveGlyph);
    QPushButton* close = makeButton(widget, names.close, kCloseCaption, drawCloseGlyph);
    QPushButton* help = makeButton(widget, names.help, kHelpCaption, drawHelpGlyph);
    controls.buttons[0] = clear;
    controls.buttons[1] = solve;
    controls.buttons[2] = close;
    controls.buttons[3] = help;
    connect(clear, &QPushButton::clicked, this, [this] { ClearEmAll(); });
    connect(solve, &QPushButton::clicked, this, [this, page] { SolveBtnClick(page); });
    connect(close, &QPushButton::clicked, this, [this] { this->close(); });
    connect(help, &QPushButton::clicked, this, [this] { HelpBtnClick(); });
    previous = help;

    pages_.push_back(std::move(controls));
    setExplanation(page, description.explanationLines);
    widget->onResize = [this, page] { layOutPage(page); };
  }

  // Centred on the screen, not on the main window.
  if (QScreen* screen = host.hostWindow().screen()) {
    const QRect area = screen->availableGeometry();
    move(area.center() - QPoint(width() / 2, height() / 2));
  }
}

NotebookForm::~NotebookForm() = default;

int NotebookForm::pageCount() const {
  return static_cast<int>(pages_.size());
}

QWidget* NotebookForm::page(int index) const {
  return pages_.at(index).widget;
}

QTextEdit* NotebookForm::explanation(int page) const {
  return pages_.at(page).explanation;
}

const NotebookForm::FieldControls* NotebookForm::findField(std::string_view name) const {
  for (const PageControls& page : pages_) {
    for (const FieldControls& field : page.fields) {
      if (field.name == name) return &field;
    }
  }
  return nullptr;
}

NumericEdit* NotebookForm::field(std::string_view name) const {
  const FieldControls* f = findField(name);
  return f ? f->edit : nullptr;
}

QLabel* NotebookForm::fieldLabel(std::string_view name) const {
  const FieldControls* f = findField(name);
  return f ? f->label : nullptr;
}

ShapePicture* NotebookForm::picture(std::string_view name) const {
  for (const PageControls& page : pages_) {
    for (ShapePicture* picture : page.pictures) {
      if (picture->objectName() == qstr(name)) return picture;
    }
  }
  return nullptr;
}

void NotebookForm::setExplanation(int page, std::span<const std::string_view> lines) {
  QTextEdit* pane = pages_.at(page).explanation;
  QStringList text;
  for (std::string_view line : lines) text << qstr(line);
  pane->setPlainText(text.join('\n'));
  QTextCursor cursor(pane->document());
  cursor.select(QTextCursor::Document);
  QTextBlockFormat centred;
  centred.setAlignment(Qt::AlignHCenter);
  cursor.mergeBlockFormat(centred);
  pane->setAccessibleName(text.join(QString()).simplified());
}

void NotebookForm::setShown(std::string_view name, bool shown) {
  if (const FieldControls* f = findField(name)) {
    f->edit->setVisible(shown);
    f->label->setVisible(shown);
  } else if (ShapePicture* p = picture(name)) {
    p->setVisible(shown);
  }
}

void NotebookForm::moveInTabOrder(std::string_view fieldName, int position) {
  const FieldControls* f = findField(fieldName);
  if (!f) return;
  std::vector<NumericEdit*>& order = pages_[f->page].tabOrder;
  order.erase(std::find(order.begin(), order.end(), f->edit));
  position = std::clamp(position, 0, static_cast<int>(order.size()));
  order.insert(order.begin() + position, f->edit);
  chainFieldTabOrder(f->page);
}

// The page's fields follow its anchor in their order; the controls after
// them keep their places.
void NotebookForm::chainFieldTabOrder(int page) {
  QWidget* previous = pages_[page].tabAnchor;
  for (NumericEdit* edit : pages_[page].tabOrder) {
    QWidget::setTabOrder(previous, edit);
    previous = edit;
  }
}

void NotebookForm::setTabStop(std::string_view fieldName, bool tabStop) {
  if (NumericEdit* edit = field(fieldName))
    edit->setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::ClickFocus);
}

ShapePicture* NotebookForm::addPicture(int page, const PagePicture& picture) {
  PageControls& controls = pages_.at(page);
  auto* widget = new ShapePicture(picture.draw, controls.widget);
  widget->setObjectName(qstr(picture.name));
  widget->setAccessibleName(qstr(notebook_.pages[page].caption));
  widget->hide();
  controls.pictures.push_back(widget);
  layOutPage(page);
  return widget;
}

void NotebookForm::shareFieldPlace(std::string_view fieldName, std::string_view withField) {
  for (PageControls& page : pages_) {
    for (FieldControls& f : page.fields) {
      if (f.name == fieldName) f.sharesWith = withField;
    }
  }
  if (const FieldControls* f = findField(fieldName)) layOutPage(f->page);
}

namespace {

// The controls Tab reaches inside `widget`, in their order of creation.
QList<QWidget*> tabStops(QWidget* widget) {
  QList<QWidget*> stops;
  if ((widget->focusPolicy() & Qt::TabFocus) && !widget->focusProxy()) stops << widget;
  for (QWidget* child : widget->findChildren<QWidget*>()) {
    if ((child->focusPolicy() & Qt::TabFocus) && !child->focusProxy()) stops << child;
  }
  return stops;
}

}  // namespace

void NotebookForm::addPageExtra(int page, QWidget* extra, int height) {
  PageControls& controls = pages_.at(page);
  extra->setParent(controls.widget);
  extra->show();
  // After the fields and the extras before it, ahead of the buttons.
  QWidget* before = controls.tabOrder.empty() ? controls.tabAnchor : controls.tabOrder.back();
  if (!controls.extras.empty()) {
    const QList<QWidget*> previous = tabStops(controls.extras.back().first);
    if (!previous.isEmpty()) before = previous.back();
  }
  for (QWidget* stop : tabStops(extra)) {
    QWidget::setTabOrder(before, stop);
    before = stop;
  }
  controls.extras.emplace_back(extra, height);
  layOutPage(page);
}

void NotebookForm::setButtonHandler(std::string_view buttonName, std::function<void()> handler) {
  for (const PageControls& page : pages_) {
    for (QPushButton* button : page.buttons) {
      if (button->objectName() != qstr(buttonName)) continue;
      disconnect(button, &QPushButton::clicked, this, nullptr);
      connect(button, &QPushButton::clicked, this, std::move(handler));
      return;
    }
  }
}

void NotebookForm::layOutPage(int index) {
  PageControls& page = pages_.at(index);
  const int width = page.widget->width();
  const int height = page.widget->height();

  for (ShapePicture* picture : page.pictures) {
    picture->setGeometry(kMargin, kMargin, ShapePicture::kSize, ShapePicture::kSize);
  }
  const int paneTop = kMargin + ShapePicture::kSize + kPaneGap;
  page.explanation->setGeometry(kMargin, paneTop, ShapePicture::kSize,
                                std::max(0, height - paneTop - kMargin));

  // Fields in rows at the right; a field sharing another's place takes its row.
  const int columnLeft = kMargin + ShapePicture::kSize + kColumnGap;
  const int fieldLeft = width - kMargin - kFieldWidth;
  int rows = 0;
  std::vector<int> rowOf(page.fields.size(), -1);
  for (std::size_t i = 0; i < page.fields.size(); ++i) {
    if (page.fields[i].sharesWith.empty()) rowOf[i] = rows++;
  }
  for (std::size_t i = 0; i < page.fields.size(); ++i) {
    if (rowOf[i] >= 0) continue;
    for (std::size_t j = 0; j < page.fields.size(); ++j) {
      if (page.fields[j].name == page.fields[i].sharesWith) rowOf[i] = rowOf[j];
    }
    if (rowOf[i] < 0) rowOf[i] = rows++;
  }
  for (std::size_t i = 0; i < page.fields.size(); ++i) {
    const int top = kMargin + rowOf[i] * kRowPitch;
    page.fields[i].edit->setGeometry(fieldLeft, top, kFieldWidth, kFieldHeight);
    page.fields[i].label->setGeometry(columnLeft, top, fieldLeft - kLabelGap - columnLeft,
                                      kFieldHeight);
  }

  int top = kMargin + rows * kRowPitch;
  for (auto& [extra, extraHeight] : page.extras) {
    extra->setGeometry(columnLeft, top, width - kMargin - columnLeft, extraHeight);
    top += extraHeight + kExtraGap;
  }

  int left = width - kMargin - 4 * kButtonWidth - 3 * kButtonGap;
  for (QPushButton* button : page.buttons) {
    button->setGeometry(left, height - kMargin - kButtonHeight, kButtonWidth, kButtonHeight);
    left += kButtonWidth + kButtonGap;
  }
}

// ---- Handlers ------------------------------------------------------------------------

SolveOutcome NotebookForm::solve(int page, SolverPage& solverPage) {
  const PageSolver solver = notebook_.pages[page].solve;
  return runSolve(solverPage, [solver](SolverPage& p) {
    if (solver) solver(p);
  });
}

void NotebookForm::SolveBtnClick(int page) {
  PageControls& controls = pages_.at(page);
  std::vector<std::string> texts;
  for (const FieldControls& f : controls.fields) texts.push_back(f.edit->valueText());
  SolverPage solverPage = makeSolverPage(notebook_.pages[page], std::move(texts));
  const SolveOutcome outcome = solve(page, solverPage);
  for (const auto& [index, text] : solverPage.writes()) {
    controls.fields.at(index).edit->setResultText(text);
  }
  switch (outcome.end) {
    case SolveEnd::Normal:
      if (!outcome.information.empty()) {
        host_.message(this, qstr(kInformationBoxCaption), qstr(outcome.information),
                      BoxIcon::Information);
      }
      break;
    case SolveEnd::ShowError:
      ShowError(outcome.shapeName);
      break;
    case SolveEnd::Fault:
      // The message names a field's text as the solver read it.
      reportError(this, tradePoint(outcome.message, host_.decimalChar()));
      break;
  }
}

void NotebookForm::ClearEmAll() {
  for (std::string_view name : notebook_.clearList) {
    if (NumericEdit* edit = field(name)) edit->clearText();
  }
}

void NotebookForm::ShowError(std::string_view shapeName) {
  host_.message(this, qstr(kShowErrorCaption), qstr(showErrorMessage(notebook_, shapeName)),
                BoxIcon::Error);
  ClearEmAll();
}

void NotebookForm::HelpBtnClick() {
  host_.showHelp(notebook_.helpTopic);
}

void NotebookForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (opened_) return;
  opened_ = true;
  // The window opens on its first page with the focus in its first field.
  for (NumericEdit* edit : pages_.at(tabs_->currentIndex()).tabOrder) {
    if (!edit->isHidden() && (edit->focusPolicy() & Qt::TabFocus)) {
      edit->setFocus(Qt::OtherFocusReason);
      break;
    }
  }
  opened();
}

void NotebookForm::keyPressEvent(QKeyEvent* event) {
  if (!handleDialogKey(event, focusWidget())) QDialog::keyPressEvent(event);
}

}  // namespace tivorum
