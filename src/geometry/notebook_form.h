// A geometry notebook window built from its plain description (notebook.h):
// one tabbed page per shape with the shape's picture at the left, the
// labelled numeric fields at the right, an explanation pane under the picture
// and the Clear, Solve, Close and Help buttons at the bottom right, and the
// handlers every page shares (Solve, ClearEmAll, ShowError, Help, Close).
//
// A notebook window is a subclass that hands over its description and one
// picture per page:
//
//   class TVolumeForm : public tivorum::NotebookForm {
//    public:
//     explicit TVolumeForm(tivorum::ModuleHost& host)
//         : NotebookForm(tivorum::volumeNotebook(), host, kVolumePictures) {}
//   };
//
// with kVolumePictures = {{"ConeImage", drawCone}, ...} in page order. A
// picture is a function that draws into a 150 x 150 box of drawing units
// (scaled to the widget, so it stays crisp at any size); it paints its own
// background. Picture code lives in a *_pictures.cpp file, which builds with
// the windows.
//
// Extras of a window (a mode group, a spin field, a second picture) are added
// in the subclass's constructor with addPageExtra, addPicture and
// shareFieldPlace; a window whose solvers need its selections overrides
// solve(); one that does something as it opens overrides opened(); named
// handlers of its own take over buttons with setButtonHandler.
#pragma once

#include <QDialog>
#include <QFont>
#include <QWidget>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "controls/module_host.h"
#include "geometry/notebook.h"
#include "geometry/solver_page.h"

class QLabel;
class QPainter;
class QPushButton;
class QTabWidget;
class QTextEdit;

namespace tivorum {

class NumericEdit;

// Draws a picture into the 150 x 150 box.
using PictureDrawing = void (*)(QPainter&);

struct PagePicture {
  std::string_view name;  // objectName
  PictureDrawing draw;
};

// A picture drawn by a function into 150 x 150 drawing units, scaled to the
// widget's size.
class ShapePicture : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kSize = 150;

  explicit ShapePicture(PictureDrawing draw, QWidget* parent = nullptr);

  QSize sizeHint() const override { return {kSize, kSize}; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  PictureDrawing draw_;
};

// The caption of the box a solver's information request shows.
inline constexpr std::string_view kInformationBoxCaption = "Information";
// The caption of ShowError's box.
inline constexpr std::string_view kShowErrorCaption = "Error";

// A page's own named Solve and Clear handlers.
template <class Form>
struct PageHandlers {
  void (Form::*solve)();
  void (Form::*clear)();
};

class NotebookForm : public QDialog {
  Q_OBJECT

 public:
  // `pictures` holds one picture per page, in page order (fewer: the later
  // pages have none). The description must outlive the window; the host's window is
  // the window's parent.
  NotebookForm(const Notebook& notebook, ModuleHost& host, std::span<const PagePicture> pictures);
  ~NotebookForm() override;

  // ---- The handlers every page shares ----
  // Converts the page's fields, runs its solver, writes the results in order,
  // then shows what the solve ended with: ShowError, an information box, or
  // the fault through the central error reporter. Writes made before a check
  // or fault stay.
  void SolveBtnClick(int page);
  // Empties every field on the window's ClearEmAll list.
  void ClearEmAll();
  // The "Error" box with the window's prefix, the name and "!", then
  // ClearEmAll.
  void ShowError(std::string_view shapeName);
  // The help window with the notebook's topic.
  void HelpBtnClick();

  // ---- Controls ----
  const Notebook& notebook() const { return notebook_; }
  QTabWidget* tabs() const { return tabs_; }
  int pageCount() const;
  QWidget* page(int index) const;
  // The field, label or picture with that objectName on any page; nullptr if
  // there is none.
  NumericEdit* field(std::string_view name) const;
  QLabel* fieldLabel(std::string_view name) const;
  ShapePicture* picture(std::string_view name) const;
  QTextEdit* explanation(int page) const;
  // Replaces the explanation pane's lines (shown centred, wrapped to the pane).
  void setExplanation(int page, std::span<const std::string_view> lines);

  // Shows or hides a field together with its label, or a picture.
  void setShown(std::string_view name, bool shown);
  // Moves a field to `position` among its page's fields in the tab sequence.
  void moveInTabOrder(std::string_view fieldName, int position);
  // A field that is not a tab stop is skipped by Tab but takes a click.
  void setTabStop(std::string_view fieldName, bool tabStop);

  // The page font: Arial bold, 13 pixels.
  static QFont pageFont();

 protected:
  // Runs the page's solver over `solverPage` (built from its field texts and
  // maximum lengths). The default runs the description's solver.
  virtual SolveOutcome solve(int page, SolverPage& solverPage);
  // Runs once, as the window is first shown.
  virtual void opened() {}

  // ---- Building a page's extras (from the subclass's constructor) ----
  // Another picture in the page's picture place, hidden until setShown.
  ShapePicture* addPicture(int page, const PagePicture& picture);
  // Puts `field` (and its label) in the row of `withField`; the rows below
  // move up. Only one of the two should be shown at a time.
  void shareFieldPlace(std::string_view field, std::string_view withField);
  // Places `extra` (made a child of the page) under the page's fields, across
  // the fields' column, `height` pixels high; in the tab sequence it follows
  // the fields. Several extras stack in the order added.
  void addPageExtra(int page, QWidget* extra, int height);
  // Gives the button with that objectName a handler of the window's own in
  // place of the shared one.
  void setButtonHandler(std::string_view buttonName, std::function<void()> handler);

  // Hands every page's Solve and Clear buttons to its named handlers and every
  // Help button to the window's one help handler.
  template <class Form, size_t N>
  void setPageHandlers(Form* form, const PageHandlers<Form> (&handlers)[N], void (Form::*help)()) {
    for (int page = 0; page < pageCount() && page < static_cast<int>(N); ++page) {
      const NotebookButtons& buttons = notebook().pages[page].buttons;
      const PageHandlers<Form> h = handlers[page];
      setButtonHandler(buttons.solve, [form, h] { (form->*h.solve)(); });
      setButtonHandler(buttons.clear, [form, h] { (form->*h.clear)(); });
      setButtonHandler(buttons.help, [form, help] { (form->*help)(); });
    }
  }

  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  struct FieldControls;
  struct PageControls;

  const FieldControls* findField(std::string_view name) const;
  void layOutPage(int page);
  void chainFieldTabOrder(int page);

  const Notebook& notebook_;
  ModuleHost& host_;
  QTabWidget* tabs_ = nullptr;
  std::vector<PageControls> pages_;
  bool opened_ = false;
};

}  // namespace tivorum
