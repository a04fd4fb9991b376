// Opening a link control's target, intercepted before any browser.
#include <gtest/gtest.h>

#include <QDesktopServices>
#include <QDir>
#include <QObject>
#include <QUrl>
#include <vector>

#include "tests/support/form_builders.h"
#include "toolkit/form_def.h"
#include "toolkit/toolkit.h"
#include "translate/code_page.h"

namespace kestara {
namespace {

class UrlCatcher : public QObject {
  Q_OBJECT

 public:
  std::vector<QUrl> urls;

 public slots:
  void Open(const QUrl& url) { urls.push_back(url); }
};

FormDef LinkForm() {
  FormDef form;
  form.name = "link_test";
  form.width = 200;
  form.height = 80;
  ControlDef link = fixtures::MakeControl("网址", Kind::HyperlinkBox, 10, 10, 48, 32, "Tavrilo");
  link.linkTarget = "http://forum.kestara.example/";
  form.controls.push_back(link);
  return form;
}

class OpenLinkTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* scheme : {"http", "https", "file", "mailto"}) {
      QDesktopServices::setUrlHandler(scheme, &catcher_, "Open");
    }
    LoadForm(form_);
  }
  void TearDown() override {
    for (const char* scheme : {"http", "https", "file", "mailto"}) {
      QDesktopServices::unsetUrlHandler(scheme);
    }
    DestroyForm(form_.name);
    PumpEvents();
  }

  FormDef form_ = LinkForm();
  Control link_{"link_test", "网址"};
  UrlCatcher catcher_;
};

TEST_F(OpenLinkTest, OpensTheTargetOfTheForm) {
  EXPECT_TRUE(OpenLink(link_));
  ASSERT_EQ(catcher_.urls.size(), 1u);
  EXPECT_EQ(catcher_.urls[0], QUrl("http://forum.kestara.example/"));
}

TEST_F(OpenLinkTest, OpensTheTargetLastWritten) {
  const struct {
    std::string target;
    QUrl expected;
  } cases[] = {
      {"http://tavrilo.example.org/page?a=1&b=2", QUrl("http://tavrilo.example.org/page?a=1&b=2")},
      {"mailto:someone@example.org", QUrl("mailto:someone@example.org")},
      {Local("http://example.org/中文"), QUrl(QString::fromUtf8("http://example.org/中文"))},
      // No scheme: a file relative to the working directory.
      {"readme.txt", QUrl::fromLocalFile(QDir::current().absoluteFilePath("readme.txt"))},
  };
  for (const auto& c : cases) {
    catcher_.urls.clear();
    SetProp(link_, Prop::LinkTarget, c.target);
    EXPECT_TRUE(OpenLink(link_)) << c.target;
    ASSERT_EQ(catcher_.urls.size(), 1u) << c.target;
    EXPECT_EQ(catcher_.urls[0], c.expected) << c.target;
  }
}

TEST_F(OpenLinkTest, NothingToOpenOpensNothing) {
  SetProp(link_, Prop::LinkTarget, "");
  EXPECT_FALSE(OpenLink(link_));
  EXPECT_FALSE(OpenLink(Control{"link_test", "no such control"}));
  EXPECT_FALSE(OpenLink(Control{"no such form", "网址"}));
  EXPECT_TRUE(catcher_.urls.empty());
}

}  // namespace
}  // namespace kestara

#include "test_services_shell.moc"
