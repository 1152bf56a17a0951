#include "ui/qt/DisplayOpening.h"

#include <QByteArray>
#include <QString>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "platform/Display.h"

namespace gb {

namespace {

struct HeldMessage {
  QtMsgType type;
  QByteArray file, function, category;
  int line;
  QString text;
};

QtMessageHandler previousHandler = nullptr;
std::vector<HeldMessage>* heldMessages = nullptr;

void HoldOrEnd(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (type == QtFatalMsg) {
    const QByteArray line = QString::fromStdString(NoDisplayText()).toLocal8Bit() + '\n';
    std::fwrite(line.constData(), 1, static_cast<std::size_t>(line.size()), stderr);
    std::fflush(stderr);
    std::_Exit(1);
  }
  heldMessages->push_back(
      {type, context.file, context.function, context.category, context.line, text});
}

}  // namespace

TDisplayOpening::TDisplayOpening() {
  heldMessages = new std::vector<HeldMessage>;
  previousHandler = qInstallMessageHandler(HoldOrEnd);
}

TDisplayOpening::~TDisplayOpening() {
  qInstallMessageHandler(previousHandler);
  std::vector<HeldMessage>* held = heldMessages;
  heldMessages = nullptr;
  for (const HeldMessage& m : *held) {
    const QMessageLogContext context(m.file.constData(), m.line, m.function.constData(),
                                     m.category.constData());
    qt_message_output(m.type, context, m.text);
  }
  delete held;
}

}  // namespace gb
