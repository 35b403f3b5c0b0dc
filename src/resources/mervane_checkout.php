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

// The order page's one-time token: an order post carrying one already logged is not taken again.
const MERVANE_TOKEN_FIELD = 'order_token';

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
   if (preg_match('/^\s*[=+\-@]/', $value))
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

// True when PHP warned while it read the request, before the script ran: it then dropped a
// field nested too deeply, the fields or parts over its limits, or a multipart post without
// its boundary.
function mervane_request_warned()
{
   $last = error_get_last();
   return $last !== null
      && preg_match('/^PHP Request Startup: |multipart\/form-data POST data|file uploads/', $last['message']) === 1;
}

// True when a field name of the raw text has more brackets than max_input_nesting_level
// allows. PHP drops such a field, and warns only where errors are not shown.
function mervane_too_deep($raw)
{
   $limit = (int)ini_get('max_input_nesting_level');
   foreach (explode('&', $raw) as $part)
   {
      if (substr_count(urldecode(explode('=', $part, 2)[0]), '[') > $limit)
      {
         return true;
      }
   }
   return false;
}

// True when PHP cut the request short: a warning while reading it, a field nested too deeply,
// too many fields, or a post larger than post_max_size, which PHP drops whole. Such a cart or
// order has lost lines or details.
function mervane_input_cut_short()
{
   $length = isset($_SERVER['CONTENT_LENGTH']) ? (int)$_SERVER['CONTENT_LENGTH'] : 0;
   $post_limit = mervane_ini_bytes('post_max_size');
   $query = isset($_SERVER['QUERY_STRING']) ? (string)$_SERVER['QUERY_STRING'] : '';
   $post = (string)file_get_contents('php://input');
   return mervane_request_warned() || mervane_too_deep($query) || mervane_too_deep($post)
      || mervane_too_many_fields(mervane_field_count($_GET, $query))
      || mervane_too_many_fields(mervane_field_count($_POST, $post))
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

// Reads the order post: every posted value loses its NUL bytes and other control characters
// (line breaks apart, which the mails keep and the log replaces), before anything is logged
// or mailed; a NUL byte would make mail() throw after the row is written. Returns the order
// page's one-time token, or '' when the post carries none of the form the page issues.
function mervane_read_order()
{
   $_POST = mervane_without_controls($_POST);
   $token = mervane_field(MERVANE_TOKEN_FIELD);
   return preg_match('/^[0-9a-f]{32}$/D', $token) ? $token : '';
}

function mervane_without_controls($value)
{
   return is_array($value) ? array_map('mervane_without_controls', $value)
      : preg_replace('/[\x00-\x09\x0B\x0C\x0E-\x1F\x7F]/', '', $value);
}

// Checks the visitor's details: every required billing field filled in and a well-formed
// e-mail address. The address becomes a mail header; the pattern's "$" would let a final
// line feed through, so any carriage return or line feed is refused outright.
function mervane_details_are_complete()
{
   foreach (mervane_required_fields() as $name)
   {
      if (mervane_field($name) === '')
      {
         return false;
      }
   }
   $email = mervane_field('billing_email');
   return preg_match(mervane_email_pattern(), $email) === 1
      && strpbrk($email, "\r\n") === false;
}

// The lines of one address in the order message: name, address, address line 2, city with
// state and zip, phone, then the fields named in $more.
function mervane_address_message($prefix, $more)
{
   $field = fn($name) => mervane_field($prefix . '_' . $name);
   $lines = array($field('first') . ' ' . $field('last'), $field('address'), $field('address2'),
      $field('city') . ', ' . $field('state') . '  ' . $field('zip'), $field('phone'));
   foreach ($more as $name)
   {
      $lines[] = $field($name);
   }
   return '   ' . implode(" \n   ", $lines) . " \n \n \n";
}

// The order message that both mails carry. Item prices and the column heading always show
// "$"; the total carries the posted text with the shop's currency sign. It lists the first
// 24 lines; the log keeps them all.
function mervane_order_message()
{
   $rule = str_repeat('=', 69) . " \n";
   $message = "A new order has been received.  A summary of this order appears below.\n\n"
      . 'Order Date: ' . date('l, F jS Y') . " \n \nBill To: \n-------- \n"
      . mervane_address_message('billing', array('fax', 'email'));
   if (mervane_field('shipping_first') !== '')
   {
      $message .= "Ship To: \n-------- \n" . mervane_address_message('shipping', array());
   }
   $message .= "Qty  Price(\$)   Product ID  - Product Name\n" . $rule;
   for ($n = 1; $n <= 24; $n++)
   {
      if (isset($_POST['NAME_' . $n]))
      {
         $message .= mervane_field('QUANTITY_' . $n) . '    $' . mervane_field('PRICE_' . $n) . '    '
            . mervane_field('ID_' . $n) . ' - ' . mervane_field('NAME_' . $n) . '   ' . mervane_field('ADDTLINFO_' . $n) . "  \n";
      }
   }
   return $message . $rule . 'TOTAL: ' . mervane_field('TOTAL') . " \n\n\nComments: \n--------- \n"
      . mervane_field('comments') . " \n \n";
}

function mervane_mail_headers($from)
{
   return "From: $from\r\nReply-To: $from\r\nMIME-Version: 1.0\r\nX-Mailer: PHP Mail generated by: Mervane\r\n";
}

// The two mails of an order as mail()'s arguments: to the shop owner from the customer, and
// the customer's copy from the shop owner.
function mervane_order_mails($shop, $message)
{
   $customer = mervane_field('billing_email');
   return array(array($shop['admin_email'], $shop['admin_subject'], $message, mervane_mail_headers($customer)),
      array($customer, $shop['customer_subject'], $message, mervane_mail_headers($shop['admin_email'])));
}

// False when mail() would refuse a mail: a NUL byte anywhere (it throws), or headers that
// are not whole lines each ended by CRLF (it fails).
function mervane_can_mail($mail)
{
   return strpos(implode('', $mail), "\0") === false && preg_match('/^([^\r\n]+\r\n)*$/D', $mail[3]) === 1;
}

// The order's log row: the time, the client's address, every posted value but the token in
// posting order, and the token last.
function mervane_csv_row($token)
{
   $row = date('Y-m-d H:i:s') . ',' . (isset($_SERVER['REMOTE_ADDR']) ? $_SERVER['REMOTE_ADDR'] : '');
   foreach ($_POST as $name => $value)
   {
      if ($name !== MERVANE_TOKEN_FIELD)
      {
         $row .= ',' . mervane_csv_value($value);
      }
   }
   return $row . ',' . $token . "\r\n";
}

// True when the first $size bytes of the open log hold $needle. Read in pieces that overlap
// by the needle's length, so that a log of any size fits in memory.
function mervane_log_holds($csv, $size, $needle)
{
   $seen = '';
   for ($at = 0; $at < $size; $at += strlen($piece))
   {
      $piece = (string)stream_get_contents($csv, min(1048576, $size - $at), $at);
      if ($piece === '')
      {
         return false;
      }
      $seen = substr($seen, 1 - strlen($needle)) . $piece;
      if (strpos($seen, $needle) !== false)
      {
         return true;
      }
   }
   return false;
}

// The log cannot take the order: the server's error log says why, the visitor gets the
// defined text, and nothing is mailed.
function mervane_log_failed($csv_file, $why)
{
   $last = error_get_last();
   error_log("Mervane checkout: order not taken, the order log $csv_file $why" . ($last ? ': ' . $last['message'] : ''));
   exit("can't open csv file");
}

// Appends the order's row to the log under an exclusive lock, so that orders placed at the
// same moment never interleave. Returns false, writing nothing, when a row with the same
// token is there: the order was taken already. A failed or short write is cut off again and
// stops the order, so the log holds a row for every order mailed and for no other.
function mervane_log_order($csv_file, $token)
{
   $csv = @fopen($csv_file, 'a+');
   if ($csv === false)
   {
      mervane_log_failed($csv_file, 'cannot be opened');
   }
   if (!flock($csv, LOCK_EX))
   {
      fclose($csv);
      mervane_log_failed($csv_file, 'cannot be locked');
   }
   $size = fstat($csv)['size'];
   $taken = mervane_log_holds($csv, $size, ',' . $token . "\r\n");
   $row = mervane_csv_row($token);
   $written = $taken || (@fwrite($csv, $row) === strlen($row) && fflush($csv));
   if (!$written)
   {
      @ftruncate($csv, $size);
   }
   flock($csv, LOCK_UN);
   fclose($csv);
   if (!$written)
   {
      mervane_log_failed($csv_file, 'could not be written');
   }
   return !$taken;
}

// The order post, in its steps: read, check the details, price the lines against the
// product table, build the mails, log, mail, redirect. A post the order page did not make,
// or whose mail could not go out, goes to the error page with nothing logged or mailed; a
// second post of one order page (a double click, a retry) to the success page, again with
// nothing logged or mailed.
function mervane_take_order($shop, $product_array)
{
   $token = mervane_read_order();
   if ($token === '' || !mervane_details_are_complete() || !mervane_order_is_genuine($product_array, $shop['monetary_symbol']))
   {
      mervane_redirect($shop['error_url']);
   }
   $mails = mervane_order_mails($shop, mervane_order_message());
   if (!mervane_can_mail($mails[0]) || !mervane_can_mail($mails[1]))
   {
      error_log('Mervane checkout: order not taken, its mails have a NUL byte or malformed headers');
      mervane_redirect($shop['error_url']);
   }
   if (mervane_log_order($shop['csv_file'], $token))
   {
      foreach ($mails as $mail)
      {
         mail($mail[0], $mail[1], $mail[2], $mail[3]);
      }
   }
   mervane_redirect($shop['success_url']);
}

// A cart or order that PHP cut short would be shown or taken with part of it missing.
if (mervane_input_cut_short())
{
   mervane_redirect($error_url);
}

// Order processing: the order page posts the visitor's details here.
if (isset($_SERVER['REQUEST_METHOD']) && $_SERVER['REQUEST_METHOD'] == 'POST' && isset($_POST['TOTAL']))
{
   mervane_take_order(compact('admin_email', 'admin_subject', 'customer_subject', 'success_url', 'error_url', 'csv_file',
      'monetary_symbol'), $product_array);
}

// Order page: the cart priced from the product table above, and the details form.
// An order page whose post PHP would cut short (four fields per line and 23 others) goes to
// the error page now rather than after the visitor has typed in the details.
$cart = mervane_sort_cart($product_list, $product_array);
if (mervane_too_many_fields(count($cart['lines']) * 4 + 23))
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
<input type="hidden" name="<?php echo MERVANE_TOKEN_FIELD; ?>" value="<?php echo bin2hex(random_bytes(16)); ?>">
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
