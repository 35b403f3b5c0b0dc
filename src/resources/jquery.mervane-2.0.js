/*
 * jquery.mervane-2.0.js - shopping cart plug-in for jQuery 1.9.1.
 *
 * $(container).mervane(options) turns a cart container into a working shop:
 * a product tab (search field, category filter, product list), a cart tab
 * (one line per product, quantity fields, remove buttons), a total with a
 * checkout button and a short-lived message box. The products are the hidden
 * inputs inside the container (attributes pid, pname, pprice, pimage,
 * pcategory, pdesc); a product's index is its position among them.
 *
 * The cart lives in a hidden multiple-choice list (name: options.resultName,
 * "products_selected[]" by default) inside the container, one selected option
 * per line, value "identifier|quantity", rel the product index, text the
 * product name. A plain form submission therefore carries the cart to the
 * checkout script. The same values are kept as a JSON array in the browser's
 * local storage under the key "mervane", shared by every cart of the site.
 *
 * The labels and messages below are filled in when the site is published;
 * they are inserted into the page as HTML.
 *
 * Input we do not trust, and what happens to it:
 * - A stored cart that is not valid JSON, or not a JSON array, is ignored:
 *   the cart starts empty and the stored key is removed.
 * - A stored line whose identifier names no product of this cart belongs to
 *   another cart of the site: it is not shown and not submitted here, and it
 *   stays in the store whenever this cart writes it.
 * - Stored entries that are not strings are dropped, and so are lines for a
 *   product of this cart whose quantity fails the quantity check, or that
 *   repeat a product that already has a line: the cart never holds two lines
 *   for one product. An entry without "|" counts as quantity 1. Options that
 *   the page itself puts into the cart list go through the same checks.
 * - A quantity is valid when it is present and converts to a finite number
 *   greater than 0 (fractions are accepted). Quantities are written back as
 *   that number, so " 2" and "2.0" both become 2.
 * - Enter in one of the cart's own text fields never submits the form; in a
 *   cart line's quantity field it commits the change.
 * - Carts on one page, or on different pages, work apart from each other but
 *   share the stored cart: each shows the stored lines of its own products
 *   and, when it writes the store, replaces only those.
 *
 * Hooks are called with the container as `this` and the product's hidden
 * input as a jQuery object; onAdd, onRemove and onUpdate cancel the action by
 * returning false. onCheckout receives the jQuery object of the cart list.
 */
;(function ($, window) {
    'use strict';

    // Texts filled in at publish time, each exactly as the site owner typed it.
    var labelCartMenuName = '$LABEL_CARTMENUNAME$';
    var labelCartMenuNameTooltip = "$LABEL_CARTMENUNAME_TOOLTIP$";
    var labelProductMenuName = '$LABEL_PRODUCTMENUNAME$';
    var labelSearchButton = "$LABEL_SEARCHBUTTON$";
    var labelSearchText = "$LABEL_SEARCHLABEL$";
    var labelCategoryText = "$LABEL_CATEGORYTEXT$";
    var labelClearButton = "$LABEL_CLEARBUTTON$";
    var labelAddToCartButton = "$LABEL_ADDTOCARTBUTTON$";
    var labelQuantityText = "$LABEL_QUANTITYTEXT$";
    var labelProducts = '$LABEL_PRODUCTS$';
    var labelPrice = '$LABEL_PRICE$';
    var labelSubtotal = '$LABEL_SUBTOTAL$';
    var labelTotal = '$LABEL_TOTAL$';
    var labelRemove = '$LABEL_REMOVE$';
    var labelCheckout = '$LABEL_CHECKOUT$';
    var messageConfirmRemove = '$MSG_CONFIRMREMOVE$';
    var messageCartEmpty = "$MSG_CARTEMPTY$";
    var messageProductEmpty = "$MSG_PRODUCTEMPTY$";
    var messageProductAddError = "$MSG_PRODUCTADDERROR$";
    var messageItemAdded = '$MSG_ITEMADDED$';
    var messageItemRemoved = '$MSG_ITEMREMOVED$';
    var messageQuantityUpdated = '$MSG_QUANTITYUPDATED$';
    var messageQuantityErrorAdd = '$MSG_QUANTITYERRORADD$';
    var messageQuantityErrorUpdate = '$MSG_QUANTITYERRORUPDATE$';

    var STORE_KEY = 'mervane';
    var MESSAGE_STAY = 2000;
    var TIP_HEIGHT = 200;
    // A product block off screen skips style, layout and paint until it comes
    // near; until it has been drawn once it counts as this many pixels high.
    var BLOCK_STYLE = 'content-visibility:auto;contain-intrinsic-size:auto 64px';

    // ---- small helpers ------------------------------------------------------

    // Text for an attribute value inside double quotes.
    function escapeAttr(text) {
        return String(text).replace(/&/g, '&amp;').replace(/"/g, '&quot;')
            .replace(/</g, '&lt;').replace(/>/g, '&gt;');
    }

    // Replaces the first occurrence of a marker; the value is taken literally.
    function replaceFirst(text, marker, value) {
        var at = text.indexOf(marker);
        if (at < 0) {
            return text;
        }
        return text.substring(0, at) + value + text.substring(at + marker.length);
    }

    // The quantity as a number, or NaN when it is missing or not above 0.
    function parseQuantity(text) {
        if (text === undefined || text === null || text === '') {
            return NaN;
        }
        var n = String(text) - 0;
        return (n > 0 && isFinite(n)) ? n : NaN;
    }

    // Two decimals for any finite amount. From 1e21 on toFixed answers in
    // exponent notation; such numbers are whole, so their digits are spelled
    // out in full and ".00" follows.
    function money(amount) {
        var text = amount.toFixed(2), parts = /^(-?)(\d)(?:\.(\d+))?e\+(\d+)$/.exec(text), digits;
        if (!parts) {
            return text;
        }
        digits = parts[2] + (parts[3] || '');
        return parts[1] + digits + new Array(parts[4] - digits.length + 2).join('0') + '.00';
    }

    // Search text: only the space character is trimmed, then lower-cased.
    function searchKey(text) {
        return String(text || '').replace(/^ +| +$/g, '').toLowerCase();
    }

    // The product identifier of a cart value "identifier|quantity".
    function idOf(value) {
        var bar = value.indexOf('|');
        return bar < 0 ? value : value.substring(0, bar);
    }

    function attrOf(input, name) {
        var value = input.getAttribute(name);
        return value === null ? '' : value;
    }

    // A template "a<%=x%>b" becomes ['a', 'x', 'b']: literal text at even
    // positions, attribute names at odd ones.
    function compileTemplate(template) {
        var pieces = String(template).split('<%='), parts = [pieces[0]], i, end;
        for (i = 1; i < pieces.length; i++) {
            end = pieces[i].indexOf('%>');
            if (end < 0) {
                parts.push(pieces[i], '');
            } else {
                parts.push(pieces[i].substring(0, end), pieces[i].substring(end + 2));
            }
        }
        return parts;
    }

    function fillTemplate(parts, input) {
        var html = parts[0], i;
        for (i = 1; i < parts.length; i += 2) {
            html += attrOf(input, parts[i]) + parts[i + 1];
        }
        return html;
    }

    // Local storage, or null where the browser has none or refuses access.
    function storage() {
        try {
            return (window.localStorage && window.JSON) ? window.localStorage : null;
        } catch (e) {
            return null;
        }
    }

    // The stored cart: an array, null when there is none or it cannot be
    // read, undefined when it is not a JSON array.
    function readStored(s) {
        var raw, entries;
        try {
            raw = s.getItem(STORE_KEY);
        } catch (e) {
            return null;
        }
        if (raw === null) {
            return null;
        }
        try {
            entries = window.JSON.parse(raw);
        } catch (e) {
            entries = null;
        }
        return $.isArray(entries) ? entries : undefined;
    }

    function forgetStored(s) {
        try {
            s.removeItem(STORE_KEY);
        } catch (e) {
            // A store we cannot change keeps what it holds.
        }
    }

    // ---- one cart -----------------------------------------------------------

    function Cart(container, options) {
        this.el = container;
        this.$el = $(container);
        this.o = options;
        this.products = [];
        this.firstById = {};
        this.lines = {};
        this.dirtyFields = [];
        this.messageSeq = 0;
        this.messageTimer = null;
        this.tipShown = false;
        this.emptyBar = null;
        this.productTemplate = compileTemplate(options.productItemTemplate);
        this.cartTemplate = compileTemplate(options.cartItemTemplate);
        this.collectProducts();
        this.buildFrame();
        this.bindEvents();
        this.setupCartList();
        this.renderProducts();
        this.readStore();
        this.showTab(options.selected === 1 || options.selected === '1' ? 1 : 0);
    }

    Cart.prototype = {

        // Reads every hidden input once; the list and the filters work on
        // these cached values only.
        collectProducts: function () {
            var inputs = this.el.getElementsByTagName('input'), all = [], i, input, p;
            for (i = 0; i < inputs.length; i++) {
                if (inputs[i].type === 'hidden') {
                    all.push(inputs[i]);
                }
            }
            for (i = 0; i < all.length; i++) {
                input = all[i];
                p = {
                    index: i,
                    input: input,
                    id: attrOf(input, 'pid'),
                    name: attrOf(input, 'pname'),
                    price: attrOf(input, 'pprice'),
                    image: attrOf(input, 'pimage'),
                    category: attrOf(input, 'pcategory'),
                    block: null,
                    shown: false
                };
                p.amount = p.price - 0;
                p.nameKey = p.name.toLowerCase();
                p.categoryKey = p.category.toLowerCase();
                this.products.push(p);
                if (!this.firstById.hasOwnProperty('#' + p.id)) {
                    this.firstById['#' + p.id] = i;
                }
            }
        },

        buildFrame: function () {
            var o = this.o, panel;
            this.$menu = $('<ul class="mvMenuBar"><li><a href="#sproducts"></a></li>' +
                '<li><a href="#scart"></a></li><li class="mvMessageBar2" style="display:none"></li></ul>');
            this.$productTab = this.$menu.find('a').eq(0).html(labelProductMenuName);
            this.$cartTab = this.$menu.find('a').eq(1).html(replaceFirst(labelCartMenuName, '_COUNT_', '0'));
            this.$message = this.$menu.children('.mvMessageBar2');
            this.$el.prepend(this.$menu);

            panel = '<div class="mvSearchPanel">';
            if (o.enableSearch) {
                panel += '<label class="mvLabelSearch">' + labelSearchText + ':</label>' +
                    '<input type="text" class="mvTxtSearch" value="" />' +
                    '<a href="#" class="mvSearch" title="Search Product">' + labelSearchButton + '</a>' +
                    '<a href="#" class="mvSearch" title="Clear Search">' + labelClearButton + '</a>';
            }
            if (o.enableCategoryFilter) {
                panel += '<label class="mvLabelCategory">' + labelCategoryText + ':</label>' +
                    '<select class="mvSelCategory"><option value="" selected="selected">All</option></select>';
            }
            panel += '</div>';

            this.$productBlock = $('<div class="mvTabs" style="display:none">' + panel +
                '<div class="mvProductList"></div></div>');
            this.$cartBlock = $('<div class="mvTabs" style="display:none"><div class="mvCartHeader">' +
                '<label class="mvCartTitle mvCartTitle1">' + labelProducts + '</label>' +
                '<label class="mvCartTitle mvCartTitle2">' + labelPrice + '</label>' +
                '<label class="mvCartTitle mvCartTitle3">' + labelQuantityText + '</label>' +
                '<label class="mvCartTitle mvCartTitle4">' + labelSubtotal + '</label>' +
                '<label class="mvCartTitle mvCartTitle5"></label>' +
                '</div><div class="mvCartList"></div></div>');
            this.$el.append(this.$productBlock, this.$cartBlock);

            this.$search = this.$productBlock.find('.mvTxtSearch');
            this.$searchButtons = this.$productBlock.find('a.mvSearch');
            this.$category = this.$productBlock.find('.mvSelCategory');
            this.productList = this.$productBlock.find('.mvProductList')[0];
            this.cartList = this.$cartBlock.find('.mvCartList')[0];
            this.fillCategories();

            this.$bottom = $('<div class="mvBottomBar"><a href="#" class="mvCheckoutButton">' +
                labelCheckout + '</a><label class="mvLabelSubtotalValue">0.00</label>' +
                '<label class="mvLabelSubtotalText">' + labelTotal + ':</label></div>');
            this.$total = this.$bottom.children('.mvLabelSubtotalValue');
            this.$el.append(this.$bottom);

            this.$tip = $('<div class="tooltip" style="display:none"></div>');
            this.$el.append(this.$tip);
        },

        // "All" first, then each distinct non-empty category in catalogue
        // order. Without any category the list and its label are hidden.
        fillCategories: function () {
            var select = this.$category[0], seen = {}, added = 0, i, c;
            if (!select) {
                return;
            }
            for (i = 0; i < this.products.length; i++) {
                c = this.products[i].category;
                if (c !== '' && !seen.hasOwnProperty('#' + c)) {
                    seen['#' + c] = true;
                    select.appendChild(new window.Option(c, c));
                    added++;
                }
            }
            if (!added) {
                this.$category.hide();
                this.$productBlock.find('.mvLabelCategory').hide();
                this.$category = $();
            }
        },

        bindEvents: function () {
            var cart = this, $el = this.$el, tipImages = 'img.mvProductImage, img.mvProductImageSmall';

            this.$productTab.on('click', function (e) {
                e.preventDefault();
                cart.showTab(0);
            });
            this.$cartTab.on('click', function (e) {
                e.preventDefault();
                cart.showTab(1);
            });

            this.$search.on('keyup', function () {
                cart.renderProducts(this.value);
            });
            this.$searchButtons.eq(0).on('click', function (e) {
                e.preventDefault();
                cart.renderProducts(cart.$search.val());
            });
            this.$searchButtons.eq(1).on('click', function (e) {
                e.preventDefault();
                cart.$search.val('');
                cart.renderProducts('');
            });
            this.$category.on('change', function () {
                cart.$search.val('');
                cart.renderProducts('');
            });

            // Per-product and per-line controls are handled here, once, for
            // the whole container.
            $el.on('click', 'a.mvAddToCart', function (e) {
                e.preventDefault();
                cart.addClicked(this);
            });
            $el.on('input change', 'input.mvTxtQuantity', function () {
                cart.dirtyFields.push(this);
            });
            $el.on('change', 'input.mvTxtQuantity2', function () {
                cart.quantityChanged(this);
            });
            $el.on('click', 'a.mvRemove', function (e) {
                e.preventDefault();
                cart.removeClicked(this);
            });
            $el.on('keydown', 'input.mvTxtSearch, input.mvTxtQuantity, input.mvTxtQuantity2', function (e) {
                if (e.which === 13) {
                    e.preventDefault();
                    if ($(this).hasClass('mvTxtQuantity2')) {
                        this.blur();
                    }
                }
            });
            this.$bottom.children('.mvCheckoutButton').on('click', function (e) {
                e.preventDefault();
                cart.checkout(this);
            });

            // The picture tip follows the pointer over pictures; any other
            // movement over the container hides it.
            if (this.o.enableImageTooltip) {
                $el.on('mouseenter mousemove', tipImages, function (e) {
                    if (e.type === 'mouseenter' || !cart.tipShown) {
                        cart.showTip(this);
                    }
                });
                $el.on('mouseleave', tipImages, function () {
                    cart.hideTip();
                });
            }
            $el.on('mousemove', function (e) {
                if (cart.tipShown && !$(e.target).is(tipImages)) {
                    cart.hideTip();
                }
            });
        },

        showTab: function (which) {
            var links = [this.$productTab, this.$cartTab], blocks = [this.$productBlock, this.$cartBlock];
            links[1 - which].removeClass('sel');
            links[which].addClass('sel');
            blocks[1 - which].hide();
            blocks[which].show();
        },

        // ---- product list ---------------------------------------------------

        productBlockHtml: function (p, template) {
            var o = this.o, html = '<div class="mvProducts" style="' + BLOCK_STYLE + '"><div class="mvPDiv1">';
            if (o.enableImage && p.image !== '') {
                html += '<img class="mvProductImage" src="' + escapeAttr(p.image) + '" alt="" />';
            }
            return html + '</div><div class="mvPDiv2">' + fillTemplate(template, p.input) +
                '</div><div class="mvPDiv3">' + this.quantityLabelHtml +
                '<input type="text" class="mvTxtQuantity" value="1" />' +
                '<a href="#" class="mvAddToCart" rel="' + p.index + '" title="' + this.addTitle + '">' +
                labelAddToCartButton + '</a></div></div>';
        },

        // Shows exactly the products that match the search text and the
        // selected category, in catalogue order, each with a quantity of 1.
        // Every product block is built once, on the first call; later calls
        // only hide the blocks that drop out and show the ones that return.
        renderProducts: function (text) {
            var list = this.productList, products = this.products, key = searchKey(text),
                category = this.$category.length ? this.$category.val().toLowerCase() : '',
                visible = 0, i, p, show, html, fields;

            if (this.emptyBar) {
                $(this.emptyBar).remove();
                this.emptyBar = null;
            }

            if (!this.blocksBuilt) {
                this.blocksBuilt = true;
                this.quantityLabelHtml = '<label class="mvLabelQuantity">' + labelQuantityText + ':</label>';
                this.addTitle = escapeAttr(labelAddToCartButton);
                html = '';
                for (i = 0; i < products.length; i++) {
                    html += this.productBlockHtml(products[i], this.productTemplate);
                }
                list.innerHTML = html;
                for (i = 0; i < products.length; i++) {
                    products[i].block = list.children[i];
                    products[i].shown = true;
                }
            }

            fields = this.dirtyFields;
            this.dirtyFields = [];
            for (i = 0; i < fields.length; i++) {
                fields[i].value = '1';
            }

            for (i = 0; i < products.length; i++) {
                p = products[i];
                show = (key === '' || p.nameKey.indexOf(key) >= 0) &&
                    (category === '' || p.categoryKey.indexOf(category) >= 0);
                if (show) {
                    visible++;
                }
                if (show !== p.shown) {
                    p.block.style.display = show ? '' : 'none';
                    p.shown = show;
                }
            }
            if (!visible) {
                this.emptyBar = this.messageBar(messageProductEmpty).appendTo(list)[0];
            }
        },

        messageBar: function (text) {
            return $('<div class="mvMessageBar"></div>').html(text);
        },

        // ---- cart list ------------------------------------------------------

        setupCartList: function () {
            var selects = this.el.getElementsByTagName('select'), i, list = null;
            for (i = 0; i < selects.length; i++) {
                if (selects[i].name === this.o.resultName) {
                    list = selects[i];
                    break;
                }
            }
            if (list) {
                list.multiple = true;
                list.style.display = 'none';
                this.select = list;
                this.rebuild();
            } else {
                this.select = $('<select multiple="multiple" style="display:none"></select>')
                    .attr('name', this.o.resultName)[0];
                this.refreshTotals();
            }
            this.$el.append(this.select);
        },

        // Redraws every cart line from the options of the cart list, dropping
        // options that name no product of this page, carry a bad quantity or
        // repeat a product that already has a line.
        rebuild: function () {
            var options = $.makeArray(this.select.options), index, i, opt, value, bar, id, qty, p;
            for (index in this.lines) {
                if (this.lines.hasOwnProperty(index)) {
                    $(this.lines[index].block).remove();
                }
            }
            this.lines = {};
            for (i = 0; i < options.length; i++) {
                opt = options[i];
                value = opt.value;
                bar = value.indexOf('|');
                id = idOf(value);
                qty = bar < 0 ? 1 : parseQuantity(value.substring(bar + 1));
                index = this.firstById.hasOwnProperty('#' + id) ? this.firstById['#' + id] : -1;
                if (index < 0 || isNaN(qty) || this.lines.hasOwnProperty(index)) {
                    this.select.removeChild(opt);
                    continue;
                }
                p = this.products[index];
                opt.value = p.id + '|' + qty;
                opt.setAttribute('rel', String(index));
                opt.text = p.name;
                opt.defaultSelected = true;
                opt.selected = true;
                this.drawLine(p, opt, qty);
            }
            this.refreshTotals();
        },

        drawLine: function (p, option, qty) {
            var o = this.o, $block, html;
            $(this.cartList).children('.mvMessageBar').remove();
            html = '<div class="mvCartItem" id="divCartItem' + p.index + '">' +
                '<div class="mvCartItemTitle mvCartItemTitle1">';
            if (o.enableImage && p.image !== '') {
                html += '<img class="mvProductImageSmall" src="' + escapeAttr(p.image) + '" alt="" />';
            }
            html += '<div title="' + escapeAttr(p.name) + '">' + fillTemplate(this.cartTemplate, p.input) +
                '</div></div><label class="mvCartItemTitle mvCartItemTitle2"></label>' +
                '<div class="mvCartItemTitle mvCartItemTitle3"><input type="text" class="mvTxtQuantity2"' +
                ' id="lblQuantity' + p.index + '" rel="' + p.index + '" value="' + escapeAttr(qty) + '" /></div>' +
                '<label class="mvCartItemTitle mvCartItemTitle4" id="lblTotal' + p.index + '">' +
                money(p.amount * qty) + '</label>' +
                '<div class="mvCartItemTitle mvCartItemTitle5"><a href="#" class="mvRemove" rel="' + p.index +
                '" title="Remove from Cart">' + labelRemove + '</a></div></div>';
            $block = $(html);
            $block.children('.mvCartItemTitle2').text(p.price);
            $(this.cartList).append($block);
            this.lines[p.index] = {
                option: option,
                quantity: qty,
                block: $block[0],
                field: $block.find('.mvTxtQuantity2')[0],
                total: $block.children('.mvCartItemTitle4')
            };
        },

        setLineQuantity: function (p, line, qty) {
            line.quantity = qty;
            line.option.value = p.id + '|' + qty;
            line.total.text(money(p.amount * qty));
        },

        hook: function (name, args) {
            var fn = this.o[name];
            return $.isFunction(fn) ? fn.apply(this.el, args) : undefined;
        },

        addClicked: function (button) {
            var field = $(button).siblings('input.mvTxtQuantity')[0],
                qty = parseQuantity(field ? field.value : undefined),
                rel = button.getAttribute('rel'), p, line, option;
            if (isNaN(qty)) {
                if (field) {
                    field.value = '1';
                }
                this.showMessage(messageQuantityErrorAdd);
                return;
            }
            p = /^\d+$/.test(rel || '') ? this.products[rel - 0] : undefined;
            if (!p) {
                this.showMessage(messageProductAddError);
                return;
            }
            if (this.hook('onAdd', [$(p.input), qty]) === false) {
                return;
            }
            line = this.lines[p.index];
            if (line) {
                this.setLineQuantity(p, line, line.quantity + qty);
                line.field.value = String(line.quantity);
                this.showMessage(messageQuantityUpdated);
            } else {
                option = new window.Option(p.name, p.id + '|' + qty, true, true);
                option.setAttribute('rel', String(p.index));
                this.select.appendChild(option);
                this.drawLine(p, option, qty);
                this.showMessage(messageItemAdded);
            }
            this.refreshTotals();
            this.store();
            this.hook('onAdded', [$(p.input), qty]);
        },

        // The line that a control belongs to, or null for a line that is
        // already gone (for example one that is still sliding away).
        lineOf: function (control) {
            var line = this.lines[control.getAttribute('rel')];
            return line && $.contains(line.block, control) ? line : null;
        },

        quantityChanged: function (field) {
            var line = this.lineOf(field), qty, p;
            if (!line) {
                return;
            }
            p = this.products[field.getAttribute('rel') - 0];
            qty = parseQuantity(field.value);
            if (isNaN(qty)) {
                field.value = String(line.quantity);
                this.showMessage(messageQuantityErrorUpdate);
                return;
            }
            if (this.hook('onUpdate', [$(p.input), qty]) === false) {
                field.value = String(line.quantity);
                return;
            }
            this.setLineQuantity(p, line, qty);
            this.showMessage(messageQuantityUpdated);
            this.refreshTotals();
            this.store();
            this.hook('onUpdated', [$(p.input), qty]);
        },

        removeClicked: function (button) {
            var cart = this, line = this.lineOf(button), p;
            if (!line) {
                return;
            }
            p = this.products[button.getAttribute('rel') - 0];
            if (!window.confirm(replaceFirst(messageConfirmRemove, '_PRODUCTNAME_', p.name))) {
                return;
            }
            if (this.hook('onRemove', [$(p.input)]) === false) {
                return;
            }
            this.select.removeChild(line.option);
            delete this.lines[p.index];
            $(line.block).slideUp('slow', function () {
                $(this).remove();
                cart.showMessage(messageItemRemoved);
                cart.refreshTotals();
            });
            this.store();
            this.hook('onRemoved', [$(p.input)]);
        },

        refreshTotals: function () {
            var options = this.select.options, sum = 0, count = 0, items = 0, i, value, p, qty;
            for (i = 0; i < options.length; i++) {
                value = options[i].value;
                p = this.products[options[i].getAttribute('rel')];
                qty = value.substring(value.indexOf('|') + 1) - 0;
                if (p) {
                    sum += p.amount * qty;
                }
                count++;
                items += qty;
            }
            this.$total.text(money(sum));
            this.$cartTab.html(replaceFirst(labelCartMenuName, '_COUNT_', String(count)));
            this.$cartTab.attr('title', replaceFirst(replaceFirst(labelCartMenuNameTooltip,
                '_PRODUCTCOUNT_', String(count)), '_ITEMCOUNT_', String(items)));
            $(this.cartList).children('.mvMessageBar').remove();
            if (!count) {
                $(this.cartList).append(this.messageBar(messageCartEmpty));
            }
        },

        // ---- storage and checkout -------------------------------------------

        // Writes this cart's lines after the stored lines of other carts.
        store: function () {
            var s = storage(), values = [], options = this.select.options, stored, i;
            if (!s) {
                return;
            }
            stored = readStored(s) || [];
            for (i = 0; i < stored.length; i++) {
                if (typeof stored[i] === 'string' && !this.firstById.hasOwnProperty('#' + idOf(stored[i]))) {
                    values.push(stored[i]);
                }
            }
            for (i = 0; i < options.length; i++) {
                values.push(options[i].value);
            }
            try {
                s.setItem(STORE_KEY, window.JSON.stringify(values));
            } catch (e) {
                // A full or locked store leaves the page cart as it is.
            }
        },

        // Joins the stored lines of this cart's products to the cart.
        readStore: function () {
            var s = storage(), entries, i;
            if (!s) {
                return;
            }
            entries = readStored(s);
            if (entries === undefined) {
                forgetStored(s);
            }
            if (!entries) {
                return;
            }
            for (i = 0; i < entries.length; i++) {
                if (typeof entries[i] === 'string') {
                    this.select.appendChild(new window.Option('', entries[i]));
                }
            }
            this.rebuild();
        },

        checkout: function (button) {
            var s;
            if ($.isFunction(this.o.onCheckout)) {
                this.o.onCheckout.call(button, $(this.select));
            } else {
                this.$el.closest('form').submit();
            }
            s = storage();
            if (s) {
                forgetStored(s);
            }
        },

        // ---- message box and picture tip ------------------------------------

        // Fades the message in, keeps it for two seconds after the fade-in has
        // ended and fades it out. A newer message takes over the box.
        showMessage: function (text) {
            var cart = this, $box = this.$message, seq = ++this.messageSeq;
            window.clearTimeout(this.messageTimer);
            $box.stop(true, true).html(text);
            function stay() {
                if (seq !== cart.messageSeq) {
                    return;
                }
                cart.messageTimer = window.setTimeout(function () {
                    if (seq === cart.messageSeq) {
                        $box.fadeOut('fast');
                    }
                }, MESSAGE_STAY);
            }
            if ($box.is(':visible')) {
                stay();
            } else {
                $box.fadeIn('fast', stay);
            }
        },

        showTip: function (img) {
            var $img = $(img), offset = $img.offset();
            this.$tip.stop(true, true).empty()
                .append($('<img alt="" />').attr('src', img.getAttribute('src')).css('height', TIP_HEIGHT + 'px'))
                .css({ top: (offset.top - $img.height()) + 'px', left: ($img.width() + 10) + 'px' })
                .show('fast');
            this.tipShown = true;
        },

        hideTip: function () {
            this.$tip.stop(true, true).hide();
            this.tipShown = false;
        }
    };

    $.fn.mervane = function (options) {
        var settings = $.extend({}, $.fn.mervane.defaults, options);
        return this.each(function () {
            if (!$.data(this, 'mervane')) {
                $.data(this, 'mervane', new Cart(this, settings));
            }
        });
    };

    $.fn.mervane.defaults = {
        selected: 0,
        resultName: 'products_selected[]',
        enableImage: true,
        enableImageTooltip: true,
        enableSearch: true,
        enableCategoryFilter: true,
        productItemTemplate: '<strong><%=pname%></strong><br />Category: <%=pcategory%><br />' +
            '<small><%=pdesc%></small><br /><strong>Price: <%=pprice%></strong>',
        cartItemTemplate: '<strong><%=pname%></strong>',
        onAdd: null,
        onAdded: null,
        onRemove: null,
        onRemoved: null,
        onUpdate: null,
        onUpdated: null,
        onCheckout: null
    };
}(jQuery, window));
