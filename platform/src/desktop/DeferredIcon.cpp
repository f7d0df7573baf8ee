#include "desktop/DeferredIcon.h"

#include <QApplication>
#include <QIconEngine>
#include <optional>

namespace platform::detail {
namespace {

// An icon that asks the style for the real one the first time it is drawn or measured.
class DeferredIcon final : public QIconEngine {
 public:
  explicit DeferredIcon(QStyle::StandardPixmap which) : which_(which) {}

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    Real().paint(painter, rect, Qt::AlignCenter, mode, state);
  }
  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return Real().pixmap(size, mode, state);
  }
  QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return Real().actualSize(size, mode, state);
  }
  QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
    return Real().availableSizes(mode, state);
  }
  QIconEngine* clone() const override { return new DeferredIcon(which_); }

 private:
  const QIcon& Real() {
    if (!real_) {
      // The style in force now: the application may have been given another since.
      QStyle* style = QApplication::style();
      if (auto* deferring = dynamic_cast<DeferredIconStyle*>(style)) style = deferring->baseStyle();
      real_ = style->standardIcon(which_);
    }
    return *real_;
  }

  QStyle::StandardPixmap which_;
  std::optional<QIcon> real_;
};

}  // namespace

QIcon DeferredIconStyle::standardIcon(StandardPixmap icon, const QStyleOption* option,
                                      const QWidget* widget) const {
  if (icon == SP_ToolBarHorizontalExtensionButton) return QIcon(new DeferredIcon(icon));
  return QProxyStyle::standardIcon(icon, option, widget);
}

}  // namespace platform::detail
