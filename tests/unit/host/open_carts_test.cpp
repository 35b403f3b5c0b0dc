#include "host/open_carts.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include "host/extension.h"
#include "output/cart_fixtures.h"
#include "test_support.h"

namespace mervane::testing {
namespace {

namespace fs = std::filesystem;

// Every extension object lists its cart for its lifetime, and publishing one
// writes the products of every open cart that shares its checkout script.
TEST(OpenCartsTest, PublishingOneCartWritesEveryOpenCartsProducts) {
  auto first = std::make_unique<CMervaneExtension>(), second = std::make_unique<CMervaneExtension>(),
       apart = std::make_unique<CMervaneExtension>();
  first->Settings().products.Append(Product("A1", "Cake", "1"));
  second->Settings().products.Append(Product("B2", "Bun", "2"));
  apart->Settings().products.Append(Product("C3", "Pie", "3"));
  apart->Settings().phpFileName = OSTR("other.php");
  EXPECT_EQ(OpenCart::All(), (std::vector<const CartSettings*>{
                                 &first->Settings(), &second->Settings(), &apart->Settings()}));

  const fs::path site = fs::temp_directory_path() / "mervane-open-carts";
  auto ids = [&](CMervaneExtension& cart, const char* script) {
    const std::string folder = site.string() + static_cast<char>(fs::path::preferred_separator);
    EXPECT_EQ(cart.CopyFiles(U(folder), OString()), 1);
    std::ifstream in(site / script, std::ios::binary);
    const std::string text(std::istreambuf_iterator<char>(in), {});
    std::string found;
    for (const char* id : {"A1", "B2", "C3"})
      if (text.find(std::string("'product_id'=>'") + id) != std::string::npos) found += id;
    return found;
  };
  EXPECT_EQ(ids(*second, "mervane_checkout.php"), "A1B2");
  EXPECT_EQ(ids(*apart, "other.php"), "C3");
  first.reset();
  EXPECT_EQ(OpenCart::All().size(), 2u);
  EXPECT_EQ(ids(*second, "mervane_checkout.php"), "B2");
  fs::remove_all(site);
}

}  // namespace
}  // namespace mervane::testing
