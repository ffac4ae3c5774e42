// Gives a notebook page's Clear, Solve and Help buttons the window's own named
// handlers in place of the shared ones the notebook wired; Close keeps its
// standard behaviour.
#pragma once

#include <QObject>
#include <QPushButton>
#include <QString>

#include "geometry/notebook.h"

namespace tivorum {

template <class Form>
struct PageHandlers {
  void (Form::*clear)();
  void (Form::*solve)();
};

template <class Form>
void wirePageButtons(Form* form, const NotebookButtons& names, const PageHandlers<Form>& handlers,
                     void (Form::*help)()) {
  const auto rewire = [form](std::string_view name, void (Form::*handler)()) {
    auto* button = form->template findChild<QPushButton*>(
        QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
    if (!button) return;
    QObject::disconnect(button, &QPushButton::clicked, form, nullptr);
    QObject::connect(button, &QPushButton::clicked, form, handler);
  };
  rewire(names.clear, handlers.clear);
  rewire(names.solve, handlers.solve);
  rewire(names.help, help);
}

}  // namespace tivorum
