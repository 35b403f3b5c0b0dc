<?php
// Shop settings: replace the e-mail address with the shop owner's before publishing.
$admin_email = 'orders@example.com';
$admin_subject = 'New Online Order';
$customer_subject = 'Order Confirmation';
$success_url = 'shop_success.html';
$error_url = 'shop_error.html';
$csv_file = './orders.csv';
$monetary_symbol = '$';
$product_list = isset($_REQUEST['products_selected']) ? $_REQUEST['products_selected'] : array();
$product_array = _PRODUCTS_;

// The value of a posted field as text; '' when it was not posted or is not a single value.
function mervane_field($name)
{
   return (isset($_POST[$name]) && is_string($_POST[$name])) ? $_POST[$name] : '';
}

// Escapes a text for the order page's markup and attribute values.
function mervane_html($text)
{
   return htmlspecialchars((string)$text, ENT_QUOTES | ENT_HTML401, 'ISO-8859-1');
}

// The number of items a quantity text counts for: its whole part when it is a plain
// decimal number (digits, optionally a fraction), else 0. "1.5" counts as 1.
function mervane_items($quantity)
{
   if (!is_string($quantity) || !preg_match('/^[0-9]{1,9}(\.[0-9]{1,9})?$/D', $quantity))
   {
      return 0;
   }
   return (int)$quantity;
}

// The product table's entry for an identifier, or null when there is none.
function mervane_product($product_array, $id)
{
   if (!is_string($id) || !isset($product_array[$id]) || !is_array($product_array[$id]))
   {
      return null;
   }
   $product = $product_array[$id];
   if (!isset($product['product_name']) || !isset($product['product_price']))
   {
      return null;
   }
   return array('name' => (string)$product['product_name'], 'price' => (string)$product['product_price']);
}

// Why the order leaves out a cart entry, as the visitor is told, or '' when it takes it: a
// line must name a product of the table and a quantity that counts for at least one item.
function mervane_refusal($is_line, $product, $quantity)
{
   if (!$is_line)
   {
      return 'This line does not name a product and a quantity.';
   }
   if ($product === null)
   {
      return 'This product is not in the shop catalogue.';
   }
   return mervane_items($quantity) < 1 ? 'The quantity is not a number of at least 1.' : '';
}

// Sorts the entries of a posted cart (identifier, "|" and quantity) into the order lines and
// the entries the order leaves out, these with the reason.
function mervane_sort_cart($product_list, $product_array)
{
   $cart = array('lines' => array(), 'refused' => array());
   foreach ((array)$product_list as $entry)
   {
      $text = is_string($entry) ? $entry : '';
      $bar = strrpos($text, '|');
      $id = $bar === false ? $text : substr($text, 0, $bar);
      $quantity = $bar === false ? '' : substr($text, $bar + 1);
      $product = mervane_product($product_array, $id);
      $reason = mervane_refusal($bar !== false, $product, $quantity);
      if ($reason === '')
      {
         $cart['lines'][] = array('id' => $id, 'quantity' => $quantity, 'name' => $product['name'], 'price' => $product['price']);
      }
      else
      {
         $cart['refused'][] = array('id' => $id, 'quantity' => $quantity, 'reason' => $reason);
      }
   }
   return $cart;
}

// The order total as the order page shows it: the whole number of items times the price,
// added up, with the currency sign and two decimals.
function mervane_total($lines, $monetary_symbol)
{
   $amount = 0.0;
   foreach ($lines as $line)
   {
      $amount += mervane_items($line['quantity']) * (float)$line['price'];
   }
   return $monetary_symbol . number_format($amount, 2, '.', '');
}

// Checks a posted order against the product table. The lines ID_n, QUANTITY_n, PRICE_n and
// NAME_n must be numbered 1, 2, ... without gaps, each naming a product of the table at the
// table's own name and price, and TOTAL must be the total recomputed from them. Any other
// order was not made by the order page (a visitor lowering a price, say) and is refused.
function mervane_order_is_genuine($product_array, $monetary_symbol)
{
   $count = 0;
   while (isset($_POST['ID_' . ($count + 1)]))
   {
      $count++;
   }
   if ($count == 0)
   {
      return false;
   }
   foreach ($_POST as $key => $value)
   {
      if (preg_match('/^(ID|QUANTITY|PRICE|NAME)_(.*)$/s', (string)$key, $match)
         && (!preg_match('/^[1-9][0-9]{0,8}$/D', $match[2]) || (int)$match[2] > $count))
      {
         return false;
      }
   }
   $lines = array();
   for ($n = 1; $n <= $count; $n++)
   {
      foreach (array('ID_', 'QUANTITY_', 'PRICE_', 'NAME_') as $prefix)
      {
         if (!isset($_POST[$prefix . $n]) || !is_string($_POST[$prefix . $n]))
         {
            return false;
         }
      }
      $product = mervane_product($product_array, $_POST['ID_' . $n]);
      if ($product === null || $_POST['PRICE_' . $n] !== $product['price'] || $_POST['NAME_' . $n] !== $product['name']
         || mervane_items($_POST['QUANTITY_' . $n]) < 1)
      {
         return false;
      }
      $lines[] = array('quantity' => $_POST['QUANTITY_' . $n], 'price' => $product['price']);
   }
   return mervane_field('TOTAL') === mervane_total($lines, $monetary_symbol);
}

// One posted value as a field of the order log. Line breaks and commas would split the
// line or the field, and a double quote would start a quoted field, so they are replaced.
// A value that a spreadsheet would run as a formula gets a leading apostrophe.
function mervane_csv_value($value)
{
   if (!is_string($value))
   {
      $value = '';
   }
   $value = str_replace(array("\r", "\n", ',', '"'), array('', ' ', ' ', "'"), $value);
   if (preg_match('/^(\t|\s*[=+\-@])/', $value))
   {
      $value = "'" . $value;
   }
   return $value;
}

// The number of values PHP read into a request array, counting those inside lists.
function mervane_value_count($fields)
{
   $count = 0;
   foreach ($fields as $value)
   {
      $count += is_array($value) ? mervane_value_count($value) : 1;
   }
   return $count;
}

// The number of fields of the query or of the form post, read or dropped: PHP counts every
// "&"-separated part of the raw text, repeated names too. A post whose raw text PHP keeps
// to itself (a multipart one) is measured by the values read.
function mervane_field_count($fields, $raw)
{
   return max(mervane_value_count($fields), $raw === '' ? 0 : substr_count($raw, '&') + 1);
}

// A size setting of PHP ("8M") in bytes.
function mervane_ini_bytes($name)
{
   $setting = trim((string)ini_get($name));
   $scale = array('k' => 1024, 'm' => 1048576, 'g' => 1073741824);
   $unit = strtolower(substr($setting, -1));
   return (int)$setting * (isset($scale[$unit]) ? $scale[$unit] : 1);
}

// True when PHP may have read only part of a request with this many fields: it keeps at
// most max_input_vars of the query and of the form post each and drops the rest without a
// trace the script could read. Reaching the limit exactly counts, to be safe.
function mervane_too_many_fields($count)
{
   return $count >= (int)ini_get('max_input_vars');
}

// True when PHP cut the request short: too many fields, or a post larger than post_max_size,
// which PHP drops whole. Such a cart or order has lost lines or details.
function mervane_input_cut_short()
{
   $length = isset($_SERVER['CONTENT_LENGTH']) ? (int)$_SERVER['CONTENT_LENGTH'] : 0;
   $post_limit = mervane_ini_bytes('post_max_size');
   $query = isset($_SERVER['QUERY_STRING']) ? (string)$_SERVER['QUERY_STRING'] : '';
   return mervane_too_many_fields(mervane_field_count($_GET, $query))
      || mervane_too_many_fields(mervane_field_count($_POST, (string)file_get_contents('php://input')))
      || ($post_limit > 0 && $length > $post_limit);
}

// Sends the browser to a page and stops. Output that PHP buffered before the script ran (its
// startup warning about a request it cut short, where errors are shown) is dropped so that
// it cannot precede the headers. Where the headers went out already, unbuffered, a refresh
// stands in for the redirect: one more header would only add a warning.
function mervane_redirect($url)
{
   if (ob_get_level() > 0)
   {
      ob_clean();
   }
   if (headers_sent())
   {
      echo '<meta http-equiv="refresh" content="0; url=' . mervane_html($url) . '">';
   }
   else
   {
      header('Location: ' . $url);
   }
   exit;
}

// The billing fields an order must fill in.
function mervane_required_fields()
{
   return array('billing_first', 'billing_last', 'billing_address', 'billing_city', 'billing_state', 'billing_zip',
      'billing_phone', 'billing_email');
}

// The form a billing e-mail address must have. The order page checks it before the post
// too; the pattern reads the same as a JavaScript regular expression literal.
function mervane_email_pattern()
{
   return '/^([0-9a-z]([-.\w]*[0-9a-z])*@(([0-9a-z])+([-\w]*[0-9a-z])*\.)+[a-z]{2,6})$/i';
}

// One text field of an address table: [name, display size, autocomplete token, input mode,
// and a name of its own for a field whose row label does not tell it apart, or '']. That
// name is shown on a phone only, where the fields of a row stack up.
function mervane_address_field($prefix, $field)
{
   $name = $prefix . '_' . $field[0];
   $own_name = $field[4] === '' ? '' : '<span class="mervaneown" id="' . $name . '_name">' . $field[4] . '</span>';
   return $own_name . '<input type="text" name="' . $name . '" id="' . $name . '" size="' . $field[1]
      . '" autocomplete="' . $prefix . ' ' . $field[2] . '"' . ($field[3] === '' ? '' : ' inputmode="' . $field[3] . '"')
      . ($field[4] === '' ? '' : ' aria-labelledby="' . $name . '_name"')
      . (in_array($name, mervane_required_fields()) ? ' aria-required="true"' : '') . '>';
}

// The rows of one address table; the billing and shipping tables differ only in the
// prefix of their field names and autocomplete tokens. A row's label, padded to nine
// characters, is tied to its first field and marked with a star when the row holds a
// required field; the star is left to sight, as aria-required tells assistive technology.
// Postal codes may hold letters, so zip keeps the keyboard for text.
function mervane_address_rows($prefix)
{
   $rows = array(
      array('Name:', array(array('first', 18, 'given-name', '', 'First name'),
         array('last', 15, 'family-name', '', 'Last name'))),
      array('Address:', array(array('address', 37, 'address-line1', '', ''))),
      array('Address:', array(array('address2', 37, 'address-line2', '', 'Address line 2'))),
      array('City:', array(array('city', 21, 'address-level2', '', ''))),
      array('State:', array(array('state', 1, 'address-level1', '', ''))),
      array('Zip:', array(array('zip', 5, 'postal-code', '', ''))),
      array('Phone:', array(array('phone', 37, 'tel', 'tel', ''))),
      array('Fax:', array(array('fax', 37, 'fax tel', 'tel', ''))),
      array('Email:', array(array('email', 37, 'email', 'email', ''))));
   foreach ($rows as $row)
   {
      $inputs = array();
      $star = '';
      foreach ($row[1] as $field)
      {
         $inputs[] = mervane_address_field($prefix, $field);
         if (in_array($prefix . '_' . $field[0], mervane_required_fields()))
         {
            $star = '<span class="required" aria-hidden="true">*</span>';
         }
      }
      echo '<tr><td><label for="' . $prefix . '_' . $row[1][0][0] . '">' . str_pad($row[0], 9) . $star . '</label></td><td>'
         . implode(' ', $inputs) . "</td></tr>\r\n";
   }
}

// A cart or order that PHP cut short would be shown or taken with part of it missing.
if (mervane_input_cut_short())
{
   mervane_redirect($error_url);
}

// Order processing: the order page posts the visitor's details here.
if (isset($_SERVER['REQUEST_METHOD']) && $_SERVER['REQUEST_METHOD'] == 'POST' && isset($_POST['TOTAL']))
{
   $billing_first = mervane_field('billing_first');
   $billing_last = mervane_field('billing_last');
   $billing_address = mervane_field('billing_address');
   $billing_address2 = mervane_field('billing_address2');
   $billing_city = mervane_field('billing_city');
   $billing_state = mervane_field('billing_state');
   $billing_zip = mervane_field('billing_zip');
   $billing_phone = mervane_field('billing_phone');
   $billing_fax = mervane_field('billing_fax');
   $billing_email = mervane_field('billing_email');
   $shipping_first = mervane_field('shipping_first');
   $shipping_last = mervane_field('shipping_last');
   $shipping_address = mervane_field('shipping_address');
   $shipping_address2 = mervane_field('shipping_address2');
   $shipping_city = mervane_field('shipping_city');
   $shipping_state = mervane_field('shipping_state');
   $shipping_zip = mervane_field('shipping_zip');
   $shipping_phone = mervane_field('shipping_phone');
   $shipping_fax = mervane_field('shipping_fax');
   $TOTAL = mervane_field('TOTAL');
   $comments = mervane_field('comments');

   foreach (mervane_required_fields() as $name)
   {
      if (mervane_field($name) === '')
      {
         mervane_redirect($error_url);
      }
   }

   // The address becomes a mail header; the pattern's "$" would let a final line feed
   // through, so any carriage return or line feed is refused outright.
   if (!preg_match('/^([0-9a-z]([-.\w]*[0-9a-z])*@(([0-9a-z])+([-\w]*[0-9a-z])*\.)+[a-z]{2,6})$/i', $billing_email)
      || strpbrk($billing_email, "\r\n") !== false)
   {
      mervane_redirect($error_url);
   }

   if (!mervane_order_is_genuine($product_array, $monetary_symbol))
   {
      mervane_redirect($error_url);
   }

   $message = "A new order has been received.  A summary of this order appears below.\n";
   $message .= "\n";
   $message .= "Order Date: " . date("l, F jS Y") . " \n";
   $message .= " \n";
   $message .= "Bill To: \n";
   $message .= "-------- \n";
   $message .= "   $billing_first $billing_last \n";
   $message .= "   $billing_address \n";
   $message .= "   $billing_address2 \n";
   $message .= "   $billing_city, $billing_state  $billing_zip \n";
   $message .= "   $billing_phone \n";
   $message .= "   $billing_fax \n";
   $message .= "   $billing_email \n";
   $message .= " \n";
   $message .= " \n";
   if ($shipping_first !== '')
   {
      $message .= "Ship To: \n";
      $message .= "-------- \n";
      $message .= "   $shipping_first $shipping_last \n";
      $message .= "   $shipping_address \n";
      $message .= "   $shipping_address2 \n";
      $message .= "   $shipping_city, $shipping_state  $shipping_zip \n";
      $message .= "   $shipping_phone \n";
      $message .= " \n";
      $message .= " \n";
   }
   $message .= "Qty  Price(\$)   Product ID  - Product Name\n";
   $message .= "===================================================================== \n";
   for ($n = 1; $n <= 24; $n++)
   {
      if (isset($_POST['NAME_' . $n]))
      {
         $quantity = mervane_field('QUANTITY_' . $n);
         $price = mervane_field('PRICE_' . $n);
         $id = mervane_field('ID_' . $n);
         $name = mervane_field('NAME_' . $n);
         $addtlinfo = mervane_field('ADDTLINFO_' . $n);
         $message .= "$quantity    \$$price    $id - $name   $addtlinfo  \n";
      }
   }
   $message .= "===================================================================== \n";
   $message .= "TOTAL: $TOTAL \n";
   $message .= "\n\n";
   $message .= "Comments: \n";
   $message .= "--------- \n";
   $message .= "$comments \n";
   $message .= " \n";

   // Append the order to the log under an exclusive lock, so that orders placed at the same
   // moment never interleave.
   $csv = @fopen($csv_file, 'a');
   if ($csv === false)
   {
      exit("can't open csv file");
   }
   if (!flock($csv, LOCK_EX))
   {
      fclose($csv);
      exit("can't open csv file");
   }
   $csv_line = date("Y-m-d H:i:s") . ',' . (isset($_SERVER['REMOTE_ADDR']) ? $_SERVER['REMOTE_ADDR'] : '');
   foreach ($_POST as $value)
   {
      $csv_line .= ',' . mervane_csv_value($value);
   }
   fwrite($csv, $csv_line . "\r\n");
   fflush($csv);
   flock($csv, LOCK_UN);
   fclose($csv);

   $headers = "From: $billing_email\r\n";
   $headers .= "Reply-To: $billing_email\r\n";
   $headers .= "MIME-Version: 1.0\r\n";
   $headers .= "X-Mailer: PHP Mail generated by: Mervane\r\n";
   mail($admin_email, $admin_subject, $message, $headers);

   $headers = "From: $admin_email\r\n";
   $headers .= "Reply-To: $admin_email\r\n";
   $headers .= "MIME-Version: 1.0\r\n";
   $headers .= "X-Mailer: PHP Mail generated by: Mervane\r\n";
   mail($billing_email, $customer_subject, $message, $headers);

   mervane_redirect($success_url);
}

// Order page: the cart priced from the product table above, and the details form.
// An order page whose post PHP would cut short (four fields per line and 22 others) goes to
// the error page now rather than after the visitor has typed in the details.
$cart = mervane_sort_cart($product_list, $product_array);
if (mervane_too_many_fields(count($cart['lines']) * 4 + 22))
{
   mervane_redirect($error_url);
}
$cart_total = mervane_total($cart['lines'], $monetary_symbol);
header('Content-Type: text/html; charset=ISO-8859-1');
?>
<!DOCTYPE HTML PUBLIC "-//W3C//DTD HTML 4.01 Transitional//EN">
<html lang="en">
<head>
<meta http-equiv="Content-Type" content="text/html; charset=ISO-8859-1">
<meta name="viewport" content="width=device-width, initial-scale=1">
<title>Check out</title>
<style type="text/css">
body
{
   font-family: Verdana, Arial, Helvetica, sans-serif;
   font-size: 12px;
   color: #000000;
   text-align: center;
}
div#container
{
   margin-left: auto;
   margin-right: auto;
   width: 50em;
   text-align: left;
}
input
{
   font-family: Verdana, Arial, Helvetica, sans-serif;
   font-size: 12px;
   color: #000000;
}
.title
{
   font-family: Verdana, Arial, Helvetica, sans-serif;
   font-size: 12px;
   color: #006600;
}
.blacktext
{
   font-family: Verdana, Arial, Helvetica, sans-serif;
   font-size: 12px;
   color: #000000;
}
.nobr
{
   white-space: nowrap;
}
.mervane
{
   background: #464444;
   border: 1px;
   font-family: Verdana, Arial, Helvetica, sans-serif;
   font-size: 12px;
   color: #ffffff;
}
.mervaneheader
{
   background: #464444;
   font-family: Verdana, Arial, Helvetica, sans-serif;
   font-size: 12px;
   color: #FFFFFF;
}
.mervaneentry
{
   background: #FFFFFF;
   font-family: Verdana, Arial, Helvetica, sans-serif;
   font-size: 12px;
   color: #000000;
}
.mervanetotal
{
   background: #FFFFFF;
   font-family: Verdana, Arial, Helvetica, sans-serif;
   font-size: 12px;
   color: #000000;
}
.mervanebutton
{
   background: #FFFFFF;
   font-family: Verdana, Arial, Helvetica, sans-serif;
   font-size: 12px;
   color: #000000;
}
</style>
<style type="text/css">
/* Beyond the rules above: the required marks, the e-mail field's note, and on a phone one
   column of fields and buttons big enough for a finger, without sideways scrolling. */
.required, .mervanenote
{
   color: #B00000;
   font-weight: bold;
}
.mervanenote
{
   display: block;
}
table.blacktext label
{
   white-space: nowrap;
}
.mervaneown
{
   position: absolute;
   width: 1px;
   height: 1px;
   overflow: hidden;
   clip: rect(0, 0, 0, 0);
}
@media screen and (max-width: 40em)
{
   blockquote
   {
      margin: 0;
   }
   table.blacktext, table.blacktext tbody, table.blacktext tr, table.blacktext td, .mervaneown
   {
      display: block;
   }
   .mervaneown
   {
      position: static;
      width: auto;
      height: auto;
      clip: auto;
   }
   table.blacktext input, textarea
   {
      box-sizing: border-box;
      width: 100%;
      min-height: 44px;
      margin: 2px 0 6px;
      font-size: 16px;
   }
   input[type="submit"], input[type="reset"]
   {
      min-height: 44px;
      padding: 0 16px;
   }
   table.mervane td
   {
      overflow-wrap: anywhere;
   }
}
</style>
<script type="text/javascript">
function CheckForm(theform)
{
   var required = [["billing_first", "First Name"], ["billing_last", "Last Name"], ["billing_address", "Address"],
      ["billing_city", "City"], ["billing_state", "State"], ["billing_zip", "Zipcode"], ["billing_phone", "Phone"],
      ["billing_email", "Email"]];
   var why = "", missing = null, i;
   for (i = 0; i < required.length; i++)
   {
      if (theform[required[i][0]].value == "")
      {
         why += "     Billing: " + required[i][1] + "\n";
         missing = missing || theform[required[i][0]];
      }
   }
   if (why != "")
   {
      alert("We're sorry, but you must provide the following field(s) before continuing:\n" + why);
      missing.focus();
      return false;
   }
   return CheckEmail(theform.billing_email);
}

// The server refuses an address of another form and sends the visitor to the error page; the
// note says so here, beside the field, which gets the focus.
function CheckEmail(field)
{
   var pattern = <?php echo mervane_email_pattern(); ?>;
   var note = document.getElementById("billing_email_note");
   if (!note)
   {
      note = document.createElement("span");
      note.id = "billing_email_note";
      note.className = "mervanenote";
      note.setAttribute("role", "alert");
      field.parentNode.appendChild(note);
      field.setAttribute("aria-describedby", note.id);
   }
   var wrong = !pattern.test(field.value);
   note.textContent = wrong ? "Billing: Email must have the form name@example.com, with only letters, digits, dots, "
      + "hyphens and underscores." : "";
   field.setAttribute("aria-invalid", wrong ? "true" : "false");
   if (wrong)
   {
      field.focus();
   }
   return !wrong;
}
</script>
</head>
<body>
<div id="container" style="max-width:100%">
<main>
<h1 style="position:absolute;width:1px;height:1px;overflow:hidden;clip:rect(0,0,0,0)">Check out</h1>
<blockquote>
<form name="checkout" method="post" action="<?php echo mervane_html(basename(__FILE__)); ?>" onsubmit="return CheckForm(this);">
<span class="nobr">
<table class="mervane">
<tr>
<th class="mervaneheader" scope="col" align="left"><b>Product Id</b></th>
<th class="mervaneheader" scope="col" align="left"><b>Product Name</b></th>
<th class="mervaneheader" scope="col" align="left"><b>Quantity</b></th>
<th class="mervaneheader" scope="col" align="left"><b>Price</b></th>
</tr>
<?php
// Names in the product table are already HTML-encoded and are shown as they are; the
// hidden fields carry each table text escaped, so that the browser posts it back unchanged.
$n = 0;
foreach ($cart['lines'] as $line)
{
   $n++;
   echo "<tr>\r\n";
   echo "<td class=\"mervaneentry\">" . mervane_html($line['id']) . "</td>\r\n";
   echo "<td class=\"mervaneentry\">" . $line['name'] . "</td>\r\n";
   echo "<td class=\"mervaneentry\">" . mervane_html($line['quantity']) . "</td>\r\n";
   echo "<td class=\"mervaneentry\">" . $monetary_symbol . mervane_html(number_format((float)$line['price'], 2, '.', ''));
   echo "<input type=\"hidden\" name=\"ID_$n\" value=\"" . mervane_html($line['id']) . "\">";
   echo "<input type=\"hidden\" name=\"QUANTITY_$n\" value=\"" . mervane_html($line['quantity']) . "\">";
   echo "<input type=\"hidden\" name=\"PRICE_$n\" value=\"" . mervane_html($line['price']) . "\">";
   echo "<input type=\"hidden\" name=\"NAME_$n\" value=\"" . mervane_html($line['name']) . "\"></td>\r\n";
   echo "</tr>\r\n";
}
?>
<tr>
<th class="mervanetotal" colspan="3" scope="row" align="left"><b>TOTAL</b></th>
<td class="mervanetotal" colspan="2" align="right"><b><?php echo $cart_total; ?></b></td>
</tr>
</table>
<input type="hidden" name="TOTAL" value="<?php echo mervane_html($cart_total); ?>">
</span>
<?php if (count($cart['refused']) > 0) { ?>
<br>
<span class="blacktext" id="refused"><b>These lines of your cart were not accepted and are not part of the order:</b></span>
<table class="mervane" aria-labelledby="refused">
<tr>
<th class="mervaneheader" scope="col" align="left"><b>Product Id</b></th>
<th class="mervaneheader" scope="col" align="left"><b>Quantity</b></th>
<th class="mervaneheader" scope="col" align="left"><b>Reason</b></th>
</tr>
<?php
foreach ($cart['refused'] as $line)
{
   echo "<tr>\r\n";
   echo "<td class=\"mervaneentry\">" . mervane_html($line['id']) . "</td>\r\n";
   echo "<td class=\"mervaneentry\">" . mervane_html($line['quantity']) . "</td>\r\n";
   echo "<td class=\"mervaneentry\">" . mervane_html($line['reason']) . "</td>\r\n";
   echo "</tr>\r\n";
}
?>
</table>
<?php } ?>
<br>
<span class="blacktext"><b>Please fill out the following information below to complete your order.</b></span>
<br><br>
<span class="blacktext">Fields marked <span class="required">*</span> are required.</span>
<br><br>
<span class="title" id="billing"><b>Billing Information:</b></span>
<table class="blacktext" role="group" aria-labelledby="billing">
<?php mervane_address_rows('billing'); ?>
</table>
<br>
<span class="title" id="shipping"><b>Shipping Information (if different than billing):</b></span>
<table class="blacktext" role="group" aria-labelledby="shipping">
<?php mervane_address_rows('shipping'); ?>
</table>
<br>
<label class="title" for="comments"><b>Comments/Special Instructions:</b></label><br>
<textarea name="comments" id="comments" rows="6" cols="40"></textarea>
<br><br>
<input type="submit" value="submit order"> <input type="reset" value="Reset">
</form>
</blockquote>
</main>
</div>
</body>
</html>
