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
 *
 * Keyboard and screen reader use, in the WAI-ARIA Authoring Practices'
 * patterns: the two tabs form a tab list (arrow keys, Home and End move
 * between them); the link-buttons are buttons (Enter and Space); the cart
 * reads as a table; every message the cart shows also goes to a polite live
 * region, as plain text. Names that the labels give are their plain text, and
 * a label left empty falls back to the control's own word. A focus ring of two
 * tones, added once per page because the stylesheet removes the outline,
 * shows on any colours. Focus stays in a quantity field after Enter and moves
 * to the next line (or the cart tab) after a removal. A "Skip to checkout"
 * link, shown when focused, leads past a long product list.
 *
 * Where the container is narrower than the width the stylesheet lays the
 * cart out for, the cart restacks in one column with touch-sized controls
 * (rules added at run time; the stylesheet stays as published). The picture
 * tip can be hovered, closes on Escape and keeps clear of the focus; under
 * prefers-reduced-motion nothing fades or slides. Product blocks beyond the
 * first screenful are built in slices after start-up.
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
    // On a touch screen the picture tip closes by itself after this long.
    var TIP_TOUCH_STAY = 3000;
    // The pointer has this long to move from a picture onto its tip.
    var TIP_GRACE = 300;
    // A live region is emptied first and filled a moment later, so that a
    // message repeated word for word is read again.
    var ANNOUNCE_DELAY = 50;
    var FOCUS_STYLE_ID = 'mvFocusStyle';
    // White inside, near-black outside: one of the two tones stands out on
    // any colours an author picks. A pointer click shows no ring.
    var FOCUS_CSS = '.mvMain :focus{outline:2px solid #1A1A1A !important;outline-offset:2px !important;' +
        'box-shadow:0 0 0 2px #FFFFFF !important}' +
        '.mvMain :focus:not(:focus-visible){outline:none !important;box-shadow:none !important}' +
        '.mvA11yText,.mvSkip:not(:focus){position:absolute !important;width:1px;height:1px;margin:-1px;' +
        'padding:0;overflow:hidden;clip:rect(0,0,0,0);white-space:nowrap;border:0}' +
        '.mvSkip:focus{position:absolute;z-index:1000;left:4px;top:4px;padding:4px 8px;' +
        'background:#FFFFFF;color:#1A1A1A;text-decoration:underline}';
    // Where a cart's container is narrower than the width its stylesheet lays
    // it out for, the cart restacks in one column with controls of touch
    // size: tabs that wrap, search and category on lines of their own, each
    // product and each cart line as picture, name, price, then quantity and
    // button, and the total above a full-width checkout button. "&" stands
    // for the narrow cart's container.
    var NARROW_RULES = [
        '& ul.mvMenuBar{display:flex;flex-wrap:wrap;height:auto}',
        '& ul.mvMenuBar li{float:none}',
        '& ul.mvMenuBar li a,& ul.mvMenuBar li a.sel{display:flex;align-items:center;justify-content:center;' +
            'width:auto;height:auto;min-height:44px;padding:0 12px;box-sizing:border-box;bottom:0}',
        '& ul.mvMenuBar li.mvMessageBar2{flex:1 0 100%;box-sizing:border-box;margin:4px 0;top:0}',
        '& .mvTabs{height:auto}',
        '& .mvSearchPanel{display:grid;grid-template-columns:auto minmax(0,1fr) minmax(0,1fr);align-items:center;' +
            'gap:4px;height:auto}',
        '& .mvSearchPanel>*,& .mvSearchPanel .mvLabelSearch,& .mvSearchPanel .mvLabelCategory{float:none;margin:0;' +
            'height:auto;box-sizing:border-box}',
        '& .mvSearchPanel .mvTxtSearch,& .mvSearchPanel .mvSelCategory{grid-column:2/-1;width:auto;min-width:0;' +
            'min-height:44px}',
        '& .mvSearchPanel a.mvSearch{grid-column:2}',
        '& .mvSearchPanel a.mvSearch~a.mvSearch{grid-column:3}',
        '& .mvSearch,& .mvAddToCart,& .mvRemove,& .mvCheckoutButton{display:flex;align-items:center;' +
            'justify-content:center;width:auto;height:auto;min-width:44px;min-height:44px;margin:0;' +
            'padding:0 12px;box-sizing:border-box;float:none}',
        '& .mvProductList .mvProducts{box-sizing:border-box}',
        '& .mvProductList .mvProducts .mvPDiv1,& .mvProductList .mvProducts .mvPDiv2,' +
            '& .mvProductList .mvProducts .mvPDiv3{float:none;width:auto;margin:0;box-sizing:border-box}',
        '& .mvProductList .mvProducts .mvPDiv3{display:flex;flex-wrap:wrap;align-items:center;gap:8px;padding:4px}',
        '& .mvTxtQuantity,& .mvTxtQuantity2,& .mvLabelQuantity{float:none;margin:0}',
        '& .mvTxtQuantity,& .mvTxtQuantity2{min-width:44px;min-height:44px;box-sizing:border-box}',
        '& .mvCartHeader,& .mvCartList .mvCartItem{display:flex;flex-wrap:wrap;align-items:center;height:auto;' +
            'padding-right:4px;box-sizing:border-box}',
        '& .mvCartHeader .mvCartTitle,& .mvCartList .mvCartItem .mvCartItemTitle{float:none;width:22%;height:auto;' +
            'border:0;box-sizing:border-box}',
        '& .mvCartHeader .mvCartTitle{font-size:smaller}',
        '& .mvCartHeader .mvCartTitle1,& .mvCartList .mvCartItem .mvCartItemTitle1{width:100%}',
        '& .mvCartHeader .mvCartTitle5,& .mvCartList .mvCartItem .mvCartItemTitle5{width:34%}',
        '& .mvCartList .mvCartItem .mvCartItemTitle1 div{width:auto}',
        '& .mvBottomBar{display:flex;flex-wrap:wrap;align-items:center;justify-content:flex-end;height:auto}',
        '& .mvBottomBar>*{float:none}',
        '& .mvBottomBar .mvLabelSubtotalText{order:1}',
        '& .mvBottomBar .mvLabelSubtotalValue{order:2;margin:0 0 4px 5px}',
        '& .mvBottomBar .mvCheckoutButton{order:3;flex:1 0 100%}',
        '& .mvMessageBar{height:auto}'
    ].join('');
    // Where container queries are missing, a narrow cart's container carries
    // this attribute, set by a width check at start and on every resize.
    var NARROW_ATTR = 'data-mvnarrow';
    var narrowWidths = {};
    var cartCount = 0;
    var names = null;
    var inertDocument = null;
    // A product block off screen skips style, layout and paint until it comes
    // near; until it has been drawn once it counts as this many pixels high.
    var BLOCK_STYLE = 'content-visibility:auto;contain-intrinsic-size:auto 64px';
    // At start as many product blocks are built as the list shows at this
    // height each (a picture's), the first screenful; the rest are built in
    // slices of BLOCK_SLICE, one task each, after it is drawn.
    var BLOCK_LEAST_HEIGHT = 48;
    var BLOCK_SLICE = 100;

    // ---- small helpers ------------------------------------------------------

    // Key names as today's browsers give them; older ones name a few keys
    // differently.
    var OLD_KEY_NAMES = { Left: 'ArrowLeft', Right: 'ArrowRight', Spacebar: ' ', Esc: 'Escape' };

    function keyOf(e) {
        return OLD_KEY_NAMES.hasOwnProperty(e.key) ? OLD_KEY_NAMES[e.key] : e.key;
    }

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

    // The text a label or message shows (they may hold markup), parsed in a
    // document of its own so that nothing in it runs or loads.
    function plainText(html) {
        inertDocument = inertDocument || document.implementation.createHTMLDocument('');
        inertDocument.body.innerHTML = html;
        return $.trim(inertDocument.body.textContent.replace(/\s+/g, ' '));
    }

    // Accessible names from the labels, each with a word of its own for a
    // label left empty, and ending in what joins it to the product's name
    // (or, for the total, to the amount).
    function accessibleNames() {
        if (!names) {
            names = {
                quantity: (plainText(labelQuantityText) || 'Quantity') + ' ',
                add: (plainText(labelAddToCartButton) || 'Add to Cart') + ' ',
                remove: (plainText(labelRemove) || 'Remove') + ' ',
                total: (plainText(labelTotal) || 'Total') + ': '
            };
        }
        return names;
    }

    // An aria-label with `fallback` for a control whose label shows no text.
    function fallbackName(label, fallback) {
        return plainText(label) === '' ? ' aria-label="' + escapeAttr(fallback) + '"' : '';
    }

    // The style element of the focus ring and the hidden texts, added once
    // per page; the narrow layouts go into it as well.
    function addFocusStyle() {
        var style = document.getElementById(FOCUS_STYLE_ID);
        if (!style) {
            style = document.createElement('style');
            style.id = FOCUS_STYLE_ID;
            style.appendChild(document.createTextNode(FOCUS_CSS));
            (document.head || document.getElementsByTagName('head')[0]).appendChild(style);
        }
        return style;
    }

    function hasContainerQueries() {
        return !!(window.CSS && window.CSS.supports && window.CSS.supports('container-type', 'inline-size'));
    }

    // The narrow layout for carts laid out `width` pixels wide, once per
    // width: a container query on containers named after the width or, where
    // there are none, rules for containers that carry the narrow attribute.
    function addNarrowStyle(width) {
        var name = 'mvw' + width, text;
        if (narrowWidths.hasOwnProperty(name)) {
            return name;
        }
        if (hasContainerQueries()) {
            text = '@container ' + name + ' (max-width:' + (width - 0.02) + 'px){' +
                NARROW_RULES.replace(/&/g, '.mvMain') + '}';
        } else {
            text = $.isEmptyObject(narrowWidths) ? NARROW_RULES.replace(/&/g, '.mvMain[' + NARROW_ATTR + ']') : '';
        }
        narrowWidths[name] = true;
        addFocusStyle().appendChild(document.createTextNode(text));
        return name;
    }

    // The cart restacks where its container is narrower than `width`, the
    // width of the cart table's header row, which the stylesheet fits to the
    // widget's width.
    function restackWhenNarrow($el, width) {
        var el = $el[0], name = addNarrowStyle(Math.ceil(width));
        if (hasContainerQueries()) {
            $el.css({ 'container-type': 'inline-size', 'container-name': name });
            return;
        }
        function check() {
            if (el.clientWidth < width) {
                el.setAttribute(NARROW_ATTR, '');
            } else {
                el.removeAttribute(NARROW_ATTR);
            }
        }
        check();
        $(window).on('resize', check);
    }

    // Runs `fn` in a task of its own once the next frame has been painted:
    // a frame callback runs before its frame is drawn, so the second one
    // comes after it.
    function afterNextFrame(fn) {
        var frame = window.requestAnimationFrame || window.setTimeout;
        frame(function () {
            frame(function () {
                window.setTimeout(fn, 0);
            });
        });
    }

    // The full width of an element from its computed style, which a hidden
    // element has as well.
    function styledWidth(element) {
        var style = window.getComputedStyle(element), sum = 0;
        $.each(['width', 'paddingLeft', 'paddingRight', 'borderLeftWidth', 'borderRightWidth'], function (i, key) {
            sum += parseFloat(style[key]) || 0;
        });
        return sum;
    }

    // Runs the jQuery effect `effect` ("fadeIn", "slideUp", ...) on $el at
    // `speed`, then `done` with the element as `this`. Under
    // prefers-reduced-motion nothing fades or slides: the element shows or
    // hides at once.
    function effect($el, name, speed, done) {
        var still = window.matchMedia && window.matchMedia('(prefers-reduced-motion: reduce)').matches;
        if (!still) {
            return $el[name](speed, done);
        }
        $el[/In$|^show$/.test(name) ? 'show' : 'hide']();
        if (done) {
            done.call($el[0]);
        }
        return $el;
    }

    // A product's name as text: the markup keeps it HTML-encoded, and the
    // templates show it as HTML.
    function plainName(p) {
        if (p.plain === undefined) {
            p.plain = /[<&]/.test(p.name) ? plainText(p.name) : p.name;
        }
        return p.plain;
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

    // ---- products -----------------------------------------------------------

    // Reads every hidden input once; the list and the filters work on these
    // cached values only.
    function readProducts(container) {
        var inputs = container.getElementsByTagName('input'), products = [], i;
        for (i = 0; i < inputs.length; i++) {
            if (inputs[i].type === 'hidden') {
                products.push(productOf(inputs[i], products.length));
            }
        }
        return products;
    }

    function productOf(input, index) {
        var p = {
            index: index,
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
        return p;
    }

    // A cart line names its product by identifier; where two products share
    // one, the first of them is meant.
    function firstIndexById(products) {
        var first = {}, i;
        for (i = 0; i < products.length; i++) {
            if (!first.hasOwnProperty('#' + products[i].id)) {
                first['#' + products[i].id] = i;
            }
        }
        return first;
    }

    // ---- messages: the message box, message bars and the live region --------

    function Messages() {
        this.$box = $('<li class="mvMessageBar2" style="display:none" aria-hidden="true"></li>');
        this.live = $('<div class="mvA11yText" role="status"></div>')[0];
        this.seq = 0;
        this.timer = null;
        this.announced = null;
        // Bars drawn while the cart starts are not read out.
        this.quiet = true;
    }

    Messages.prototype = {

        // Fades the message in, keeps it for two seconds after the fade-in has
        // ended and fades it out. A newer message takes over the box.
        show: function (text) {
            var messages = this, seq = ++this.seq;
            window.clearTimeout(this.timer);
            this.$box.stop(true, true).html(text);
            this.announce(text, this.$box[0]);
            if (this.$box.is(':visible')) {
                this.fadeLater(seq);
            } else {
                effect(this.$box, 'fadeIn', 'fast', function () {
                    messages.fadeLater(seq);
                });
            }
        },

        fadeLater: function (seq) {
            var messages = this;
            if (seq !== this.seq) {
                return;
            }
            this.timer = window.setTimeout(function () {
                if (seq === messages.seq) {
                    effect(messages.$box, 'fadeOut', 'fast', function () {
                        messages.prune();
                    });
                }
            }, MESSAGE_STAY);
        },

        // A bar that appears because of something the visitor did is read
        // out as well.
        bar: function (text, anew) {
            var $bar = $('<div class="mvMessageBar"></div>').html(text);
            if (anew && !this.quiet) {
                this.announce(text, $bar[0]);
            }
            return $bar;
        },

        // Hands a message to the live region as plain text. Messages of one
        // moment are read together, each as a line of its own. Each line
        // stays while `owner`, the box or bar that shows it, is shown.
        announce: function (html, owner) {
            var messages = this, text = plainText(html);
            if (text === '') {
                return;
            }
            if (!this.announced) {
                this.announced = [];
                $(this.live).empty();
                window.setTimeout(function () {
                    messages.readOut();
                }, ANNOUNCE_DELAY);
            }
            this.announced.push({ text: text, owner: owner });
        },

        readOut: function () {
            $(this.live).append($.map(this.announced, function (line) {
                return $('<div></div>').text(line.text).data('owner', line.owner)[0];
            }));
            this.announced = null;
            this.prune();
        },

        // The live region holds only what the cart shows now.
        prune: function () {
            $(this.live).children().filter(function () {
                return !$($.data(this, 'owner')).is(':visible');
            }).remove();
        }
    };

    // ---- tab list: the product tab and the cart tab ---------------------------

    function TabList(ids, messages) {
        this.ids = ids;
        this.messages = messages;
        this.current = 0;
        this.panels = [];
        this.$menu = $('<ul class="mvMenuBar" role="tablist">' +
            '<li role="presentation"><a href="#sproducts"' + this.tabAttributes(0) +
            fallbackName(labelProductMenuName, 'Products') + '></a></li>' +
            '<li role="presentation"><a href="#scart"' + this.tabAttributes(1) +
            fallbackName(labelCartMenuName, 'Cart') + '></a></li></ul>').append(messages.$box);
        this.$tabs = [this.$menu.find('a').eq(0).html(labelProductMenuName),
            this.$menu.find('a').eq(1).html(replaceFirst(labelCartMenuName, '_COUNT_', '0'))];
    }

    TabList.prototype = {

        tabAttributes: function (which) {
            return ' role="tab" id="' + this.ids + 'tab' + which + '" aria-controls="' + this.ids + 'panel' + which + '"';
        },

        panelAttributes: function (which) {
            return ' role="tabpanel" id="' + this.ids + 'panel' + which + '" aria-labelledby="' + this.ids + 'tab' +
                which + '" tabindex="0"';
        },

        bind: function () {
            var tabs = this;
            $.each(this.$tabs, function (which, $tab) {
                $tab.on('click', function (e) {
                    e.preventDefault();
                    tabs.select(which);
                });
            });
            this.$menu.on('keydown', 'a[role="tab"]', function (e) {
                var to = tabs.keyTarget(keyOf(e));
                if (to >= 0) {
                    e.preventDefault();
                    tabs.select(to);
                    tabs.focus(to);
                }
            });
        },

        // Of two tabs either arrow leads to the other one; Home leads to the
        // first, End to the last. -1 for any other key.
        keyTarget: function (key) {
            if (key === 'ArrowLeft' || key === 'ArrowRight') {
                return 1 - this.current;
            }
            return key === 'Home' ? 0 : key === 'End' ? 1 : -1;
        },

        select: function (which) {
            this.current = which;
            this.$tabs[1 - which].removeClass('sel').attr({ 'aria-selected': 'false', tabindex: '-1' });
            this.$tabs[which].addClass('sel').attr({ 'aria-selected': 'true', tabindex: '0' });
            this.panels[1 - which].hide();
            this.panels[which].show();
            this.messages.prune();
        },

        focus: function (which) {
            this.$tabs[which].focus();
        },

        // The cart tab's text and tooltip count the cart's lines and items.
        showCount: function (lines, items) {
            this.$tabs[1].html(replaceFirst(labelCartMenuName, '_COUNT_', String(lines)));
            this.$tabs[1].attr('title', replaceFirst(replaceFirst(labelCartMenuNameTooltip,
                '_PRODUCTCOUNT_', String(lines)), '_ITEMCOUNT_', String(items)));
        }
    };

    // ---- product list: search, category filter and product blocks -------------

    function ProductList(cart) {
        this.cart = cart;
        this.products = cart.products;
        this.template = compileTemplate(cart.o.productItemTemplate);
        this.filter = { key: '', category: '' };
        this.dirtyFields = [];
        this.emptyBar = null;
        this.blocksBuilt = 0;
        this.pending = null;
        this.firstBlocks = 0;
        this.addTitle = escapeAttr(labelAddToCartButton);
        this.addName = escapeAttr(cart.names.add);
        this.quantityName = escapeAttr(cart.names.quantity);
        this.$panel = $('<div class="mvTabs" style="display:none"' + cart.tabs.panelAttributes(0) + '>' +
            '<a href="#" class="mvSkip">Skip to checkout</a>' + this.searchPanelHtml() +
            '<div class="mvProductList"></div></div>');
        this.$search = this.$panel.find('.mvTxtSearch');
        this.$searchButtons = this.$panel.find('a.mvSearch');
        this.$category = this.$panel.find('.mvSelCategory');
        this.list = this.$panel.find('.mvProductList')[0];
    }

    ProductList.prototype = {

        searchPanelHtml: function () {
            var o = this.cart.o, id = this.cart.ids, panel = '<div class="mvSearchPanel">';
            if (o.enableSearch) {
                panel += '<label class="mvLabelSearch" for="' + id + 'search">' + labelSearchText + ':</label>' +
                    '<input type="text" class="mvTxtSearch" value="" id="' + id + 'search"' +
                    fallbackName(labelSearchText, 'Search') + ' />' +
                    '<a href="#" class="mvSearch" role="button" title="Search Product">' + labelSearchButton + '</a>' +
                    '<a href="#" class="mvSearch" role="button" title="Clear Search">' + labelClearButton + '</a>';
            }
            if (o.enableCategoryFilter) {
                panel += '<label class="mvLabelCategory" for="' + id + 'category">' + labelCategoryText + ':</label>' +
                    '<select class="mvSelCategory" id="' + id + 'category"' + fallbackName(labelCategoryText, 'Category') +
                    '><option value="" selected="selected">All</option></select>';
            }
            return panel + '</div>';
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
                this.$panel.find('.mvLabelCategory').hide();
                this.$category = $();
            }
        },

        // How many blocks make the first screenful of the list.
        measure: function () {
            this.firstBlocks = Math.ceil((parseFloat(window.getComputedStyle(this.list).height) || 0) /
                BLOCK_LEAST_HEIGHT) + 1;
        },

        start: function () {
            this.buildBlocks(this.firstBlocks);
            this.render();
        },

        bind: function () {
            var list = this;
            this.$search.on('keyup', function () {
                list.render(this.value);
            });
            this.$searchButtons.eq(0).on('click', function (e) {
                e.preventDefault();
                list.render(list.$search.val());
            });
            this.$searchButtons.eq(1).on('click', function (e) {
                e.preventDefault();
                list.clearSearch();
            });
            this.$category.on('change', function () {
                list.clearSearch();
            });
            this.$panel.children('.mvSkip').on('click', function (e) {
                e.preventDefault();
                list.cart.checkout.focus();
            });
            this.bindBlocks(this.cart.$el);
        },

        // The controls of every block are handled once, for the whole
        // container. Enter in the search field does not submit the form; in
        // a quantity field it adds the product.
        bindBlocks: function ($el) {
            var list = this;
            $el.on('click', 'a.mvAddToCart', function (e) {
                e.preventDefault();
                list.addClicked(this);
            });
            $el.on('input change', 'input.mvTxtQuantity', function () {
                list.dirtyFields.push(this);
            });
            $el.on('keydown', 'input.mvTxtSearch, input.mvTxtQuantity', function (e) {
                if (keyOf(e) === 'Enter') {
                    e.preventDefault();
                    if ($(this).hasClass('mvTxtQuantity')) {
                        list.addClicked($(this).siblings('a.mvAddToCart')[0]);
                    }
                }
            });
        },

        clearSearch: function () {
            this.$search.val('');
            this.render('');
        },

        addClicked: function (button) {
            var field = $(button).siblings('input.mvTxtQuantity')[0],
                qty = parseQuantity(field ? field.value : undefined),
                rel = button.getAttribute('rel'), p;
            if (isNaN(qty)) {
                if (field) {
                    field.value = '1';
                }
                this.cart.messages.show(messageQuantityErrorAdd);
                return;
            }
            p = /^\d+$/.test(rel || '') ? this.products[rel - 0] : undefined;
            if (p) {
                this.cart.basket.add(p, qty);
            } else {
                this.cart.messages.show(messageProductAddError);
            }
        },

        // The quantity field and the add button name the product; the
        // visible label is tied to the field.
        blockHtml: function (p) {
            var name = escapeAttr(plainName(p)), field = this.cart.ids + 'q' + p.index,
                html = '<div class="mvProducts" style="' + BLOCK_STYLE + '"><div class="mvPDiv1">';
            if (this.cart.o.enableImage && p.image !== '') {
                html += '<img class="mvProductImage" src="' + escapeAttr(p.image) + '" alt="" />';
            }
            return html + '</div><div class="mvPDiv2">' + fillTemplate(this.template, p.input) +
                '</div><div class="mvPDiv3"><label class="mvLabelQuantity" for="' + field + '">' +
                labelQuantityText + ':</label><input type="text" class="mvTxtQuantity" value="1" id="' + field +
                '" inputmode="decimal" aria-label="' + this.quantityName + name + '" />' +
                '<a href="#" class="mvAddToCart" role="button" rel="' + p.index + '" title="' + this.addTitle +
                '" aria-label="' + this.addName + name + '">' + labelAddToCartButton + '</a></div></div>';
        },

        // Shows exactly the products that match the search text and the
        // selected category, in catalogue order, each with a quantity of 1.
        // Every product block is built once (see buildBlocks); this only hides
        // the blocks that drop out and shows the ones that return.
        render: function (text) {
            var wasEmpty = this.emptyBar !== null, visible = 0, i, p, show;
            this.filter = { key: searchKey(text), category: this.$category.length ? this.$category.val().toLowerCase() : '' };
            this.dropEmptyBar();
            this.resetQuantities();
            for (i = 0; i < this.products.length; i++) {
                p = this.products[i];
                show = this.matches(p);
                visible += show ? 1 : 0;
                if (p.block && show !== p.shown) {
                    p.block.style.display = show ? '' : 'none';
                    p.shown = show;
                }
            }
            if (!visible) {
                this.emptyBar = this.cart.messages.bar(messageProductEmpty, !wasEmpty).appendTo(this.list)[0];
            }
        },

        dropEmptyBar: function () {
            if (this.emptyBar) {
                $(this.emptyBar).remove();
                this.emptyBar = null;
                this.cart.messages.prune();
            }
        },

        // Quantity fields typed in go back to 1.
        resetQuantities: function () {
            var fields = this.dirtyFields, i;
            this.dirtyFields = [];
            for (i = 0; i < fields.length; i++) {
                fields[i].value = '1';
            }
        },

        matches: function (p) {
            var f = this.filter;
            return (f.key === '' || p.nameKey.indexOf(f.key) >= 0) &&
                (f.category === '' || p.categoryKey.indexOf(f.category) >= 0);
        },

        // Builds the next `count` product blocks, shown or hidden as the
        // filter stands: the first ones into the list, the rest in slices
        // into a block off the page, which joins the list (before the empty
        // bar) with the last slice. No task of a phone's start-up then grows
        // with the catalogue, and the list is laid out anew only twice.
        buildBlocks: function (count) {
            var list = this, products = this.products, from = this.blocksBuilt, html = '',
                to = Math.min(products.length, from + count), into = from ? this.pending : this.list, at, i;
            for (i = from; i < to; i++) {
                html += this.blockHtml(products[i]);
            }
            at = into.children.length;
            into.insertAdjacentHTML('beforeend', html);
            for (i = from; i < to; i++) {
                this.placeBlock(products[i], into.children[at + i - from]);
            }
            this.blocksBuilt = to;
            if (to < products.length) {
                this.pending = this.pending || document.createElement('div');
                (from ? window.setTimeout : afterNextFrame)(function () {
                    list.buildBlocks(BLOCK_SLICE);
                }, 0);
            } else if (from) {
                this.list.insertBefore(this.pendingBlocks(), this.emptyBar);
            }
        },

        placeBlock: function (p, block) {
            p.block = block;
            p.shown = this.matches(p);
            if (!p.shown) {
                block.style.display = 'none';
            }
        },

        // The blocks built off the page, taken out of their holder.
        pendingBlocks: function () {
            var range = document.createRange();
            range.selectNodeContents(this.pending);
            this.pending = null;
            return range.extractContents();
        }
    };

    // ---- basket: the cart list, its lines and the stored cart -----------------

    function Basket(cart) {
        var id = cart.ids;
        this.cart = cart;
        this.products = cart.products;
        this.firstById = firstIndexById(cart.products);
        this.template = compileTemplate(cart.o.cartItemTemplate);
        this.lines = {};
        this.select = null;
        this.$panel = $('<div class="mvTabs" style="display:none"' + cart.tabs.panelAttributes(1) + '>' +
            '<div role="table" aria-labelledby="' + id + 'tab1"><div class="mvCartHeader" role="row">' +
            columnHeader(1, labelProducts) + columnHeader(2, labelPrice) + columnHeader(3, labelQuantityText) +
            columnHeader(4, labelSubtotal) + columnHeader(5, '') +
            '</div><div class="mvCartList" role="rowgroup"></div></div></div>');
        this.list = this.$panel.find('.mvCartList')[0];
    }

    // A title without text heads nothing: the fifth column's, or one whose
    // label is left empty. The controls below name themselves.
    function columnHeader(column, label) {
        return '<div class="mvCartTitle mvCartTitle' + column + '" role="' +
            (plainText(label) === '' ? 'cell' : 'columnheader') + '">' + label + '</div>';
    }

    Basket.prototype = {

        // The header row's width, which the stylesheet fits to the widget.
        headerWidth: function () {
            var width = 0;
            this.$panel.find('.mvCartTitle').each(function () {
                width += styledWidth(this);
            });
            return width;
        },

        // Takes over the page's own cart list, or adds an empty one.
        start: function () {
            var selects = this.cart.el.getElementsByTagName('select'), i, list = null;
            for (i = 0; i < selects.length && !list; i++) {
                list = selects[i].name === this.cart.o.resultName ? selects[i] : null;
            }
            if (list) {
                list.multiple = true;
                list.style.display = 'none';
                this.select = list;
                this.rebuild();
            } else {
                this.select = $('<select multiple="multiple" style="display:none"></select>')
                    .attr('name', this.cart.o.resultName)[0];
                this.refreshTotals();
            }
            this.cart.$el.append(this.select);
        },

        // Enter commits a quantity without leaving the field; leaving it
        // commits a text typed after that, even one typed back.
        bind: function () {
            var basket = this, $el = this.cart.$el;
            $el.on('change focusout', 'input.mvTxtQuantity2', function () {
                basket.quantityChanged(this);
            });
            $el.on('keydown', 'input.mvTxtQuantity2', function (e) {
                if (keyOf(e) === 'Enter') {
                    e.preventDefault();
                    basket.quantityChanged(this);
                }
            });
            $el.on('click', 'a.mvRemove', function (e) {
                e.preventDefault();
                basket.removeClicked(this);
            });
        },

        // Redraws every cart line from the options of the cart list.
        rebuild: function () {
            var options = $.makeArray(this.select.options), index, i;
            for (index in this.lines) {
                if (this.lines.hasOwnProperty(index)) {
                    $(this.lines[index].block).remove();
                }
            }
            this.lines = {};
            for (i = 0; i < options.length; i++) {
                this.takeOption(options[i]);
            }
            this.refreshTotals();
        },

        // Draws the line of an option, or drops the option when it names no
        // product of this page, carries a bad quantity or repeats a product
        // that already has a line.
        takeOption: function (opt) {
            var value = opt.value, bar = value.indexOf('|'), id = idOf(value),
                qty = bar < 0 ? 1 : parseQuantity(value.substring(bar + 1)),
                index = this.firstById.hasOwnProperty('#' + id) ? this.firstById['#' + id] : -1, p;
            if (index < 0 || isNaN(qty) || this.lines.hasOwnProperty(index)) {
                this.select.removeChild(opt);
                return;
            }
            p = this.products[index];
            opt.value = p.id + '|' + qty;
            opt.setAttribute('rel', String(index));
            opt.text = p.name;
            opt.defaultSelected = true;
            opt.selected = true;
            this.drawLine(p, opt, qty);
        },

        lineHtml: function (p, qty) {
            var name = escapeAttr(plainName(p)), html = '<div class="mvCartItem" id="divCartItem' + p.index +
                '" role="row"><div class="mvCartItemTitle mvCartItemTitle1" role="cell">';
            if (this.cart.o.enableImage && p.image !== '') {
                html += '<img class="mvProductImageSmall" src="' + escapeAttr(p.image) + '" alt="" />';
            }
            return html + '<div title="' + name + '">' + fillTemplate(this.template, p.input) +
                '</div></div><div class="mvCartItemTitle mvCartItemTitle2" role="cell"></div>' +
                '<div class="mvCartItemTitle mvCartItemTitle3" role="cell"><input type="text" class="mvTxtQuantity2"' +
                ' id="lblQuantity' + p.index + '" rel="' + p.index + '" value="' + escapeAttr(qty) +
                '" inputmode="decimal" aria-label="' + escapeAttr(this.cart.names.quantity) + name + '" /></div>' +
                '<div class="mvCartItemTitle mvCartItemTitle4" id="lblTotal' + p.index + '" role="cell">' +
                money(p.amount * qty) + '</div>' +
                '<div class="mvCartItemTitle mvCartItemTitle5" role="cell"><a href="#" class="mvRemove" role="button"' +
                ' rel="' + p.index + '" title="Remove from Cart" aria-label="' + escapeAttr(this.cart.names.remove) +
                name + '">' + labelRemove + '</a></div></div>';
        },

        drawLine: function (p, option, qty) {
            var $block;
            $(this.list).children('.mvMessageBar').remove();
            $block = $(this.lineHtml(p, qty));
            $block.children('.mvCartItemTitle2').text(p.price);
            $(this.list).append($block);
            this.lines[p.index] = {
                option: option,
                quantity: qty,
                text: String(qty),
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

        // A product added again adds to its line's quantity.
        add: function (p, qty) {
            var cart = this.cart, line = this.lines[p.index], option;
            if (cart.hook('onAdd', [$(p.input), qty]) === false) {
                return;
            }
            if (line) {
                this.setLineQuantity(p, line, line.quantity + qty);
                this.showQuantity(line);
                cart.messages.show(messageQuantityUpdated);
            } else {
                option = new window.Option(p.name, p.id + '|' + qty, true, true);
                option.setAttribute('rel', String(p.index));
                this.select.appendChild(option);
                this.drawLine(p, option, qty);
                cart.messages.show(messageItemAdded);
            }
            this.refreshTotals();
            this.store();
            cart.hook('onAdded', [$(p.input), qty]);
        },

        // The line that a control belongs to, or null for a line that is
        // already gone (for example one that is still sliding away).
        lineOf: function (control) {
            var line = this.lines[control.getAttribute('rel')];
            return line && $.contains(line.block, control) ? line : null;
        },

        // Puts the line's quantity back into its field.
        showQuantity: function (line) {
            line.field.value = line.text = String(line.quantity);
        },

        // Each text of the field is taken once, however the change arrives.
        quantityChanged: function (field) {
            var cart = this.cart, line = this.lineOf(field), qty, p;
            if (!line || field.value === line.text) {
                return;
            }
            line.text = field.value;
            p = this.products[field.getAttribute('rel') - 0];
            qty = parseQuantity(field.value);
            if (isNaN(qty)) {
                this.showQuantity(line);
                cart.messages.show(messageQuantityErrorUpdate);
                return;
            }
            if (cart.hook('onUpdate', [$(p.input), qty]) === false) {
                this.showQuantity(line);
                return;
            }
            this.setLineQuantity(p, line, qty);
            cart.messages.show(messageQuantityUpdated);
            this.refreshTotals();
            this.store();
            cart.hook('onUpdated', [$(p.input), qty]);
        },

        removeClicked: function (button) {
            var basket = this, cart = this.cart, line = this.lineOf(button), p;
            if (!line) {
                return;
            }
            p = this.products[button.getAttribute('rel') - 0];
            if (!window.confirm(replaceFirst(messageConfirmRemove, '_PRODUCTNAME_', plainName(p))) ||
                    cart.hook('onRemove', [$(p.input)]) === false) {
                return;
            }
            this.select.removeChild(line.option);
            delete this.lines[p.index];
            if ($.contains(line.block, document.activeElement)) {
                this.focusAfter(line.block);
            }
            effect($(line.block), 'slideUp', 'slow', function () {
                $(this).remove();
                cart.messages.show(messageItemRemoved);
                basket.refreshTotals();
            });
            this.store();
            cart.hook('onRemoved', [$(p.input)]);
        },

        // Focus moves from a line that goes away to the Remove button of the
        // next line, or of the one before it when it was the last; from the
        // only line to the cart tab.
        focusAfter: function (gone) {
            var lines = this.lines, live = [], at = 0, next;
            $(this.list).children('.mvCartItem').each(function () {
                var line = lines[this.id.substring('divCartItem'.length)];
                if (this === gone) {
                    at = live.length;
                } else if (line && line.block === this) {
                    live.push(this);
                }
            });
            next = live[at] || live[at - 1];
            if (next) {
                $(next).find('a.mvRemove').focus();
            } else {
                this.cart.tabs.focus(1);
            }
        },

        refreshTotals: function () {
            var options = this.select.options, sum = 0, items = 0, i, value, p, qty, barShown;
            for (i = 0; i < options.length; i++) {
                value = options[i].value;
                p = this.products[options[i].getAttribute('rel')];
                qty = value.substring(value.indexOf('|') + 1) - 0;
                if (p) {
                    sum += p.amount * qty;
                }
                items += qty;
            }
            this.cart.showTotals(sum, options.length, items);
            barShown = $(this.list).children('.mvMessageBar').remove().length > 0;
            if (!options.length) {
                // Inside the table's row group the bar is a row of one cell.
                $(this.list).append(this.cart.messages.bar(messageCartEmpty, !barShown).attr('role', 'row')
                    .wrapInner('<div role="cell"></div>'));
            }
            this.cart.messages.prune();
        },

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
        }
    };

    // ---- checkout: the total and the checkout button --------------------------

    // The total is read as its label and then the amount, in the hidden text
    // after the bar; the bar's two labels stand the other way round and are
    // left out.
    function Checkout(cart) {
        this.cart = cart;
        this.$bar = $('<div class="mvBottomBar"><a href="#" class="mvCheckoutButton" role="button"' +
            fallbackName(labelCheckout, 'Checkout') + '>' + labelCheckout + '</a>' +
            '<label class="mvLabelSubtotalValue" aria-hidden="true">0.00</label>' +
            '<label class="mvLabelSubtotalText" aria-hidden="true">' + labelTotal + ':</label></div>');
        this.$total = this.$bar.children('.mvLabelSubtotalValue');
        this.$button = this.$bar.children('.mvCheckoutButton');
        this.$totalText = $('<div class="mvA11yText"></div>');
    }

    Checkout.prototype = {

        bind: function () {
            var checkout = this;
            this.$button.on('click', function (e) {
                e.preventDefault();
                checkout.submit(this);
            });
        },

        showTotal: function (sum) {
            this.$total.text(money(sum));
            this.$totalText.text(this.cart.names.total + money(sum));
        },

        focus: function () {
            this.$button.focus();
        },

        // Hands the cart list to onCheckout, or else submits the form around
        // the cart; either way the stored cart is done with.
        submit: function (button) {
            var cart = this.cart, s;
            if ($.isFunction(cart.o.onCheckout)) {
                cart.o.onCheckout.call(button, $(cart.basket.select));
            } else {
                cart.$el.closest('form').submit();
            }
            s = storage();
            if (s) {
                forgetStored(s);
            }
        }
    };

    // ---- picture tip ------------------------------------------------------------

    function PictureTip(cart) {
        this.el = cart.el;
        this.$el = cart.$el;
        this.enabled = cart.o.enableImageTooltip;
        this.$tip = $('<div class="tooltip" style="display:none"></div>');
        this.place = null;
        this.shown = false;
        this.timer = null;
        this.hideTimer = null;
        this.touch = false;
        this.tapClosed = false;
        this.escaped = false;
    }

    PictureTip.prototype = {

        // The picture tip opens over a picture and stays while the pointer
        // is on the picture or on the tip (a short grace covers the way from
        // one to the other); any other movement over the container closes it,
        // and so does Escape, until the pointer has left the picture.
        bind: function (images) {
            var tip = this;
            if (this.enabled) {
                this.$el.on('mouseenter mousemove', images, function (e) {
                    tip.keep();
                    if (!tip.tapClosed && !tip.escaped && (e.type === 'mouseenter' || !tip.shown)) {
                        tip.show(this);
                    }
                });
                this.$el.on('mouseleave', images, function () {
                    tip.escaped = false;
                    tip.hideSoon();
                });
            }
            this.$el.on('mousemove', function (e) {
                if (e.target === tip.$tip[0] || $.contains(tip.$tip[0], e.target)) {
                    tip.keep();
                } else if (tip.shown && !$(e.target).is(images)) {
                    tip.hideSoon();
                }
            });
            this.bindPage();
        },

        // Escape closes the tip, and so does a focus that it would cover. A
        // touch screen has no pointer to move away: the next tap anywhere
        // closes the tip, and a tap on its picture does not open it again at
        // once.
        bindPage: function () {
            var tip = this;
            $(document).on('keydown', function (e) {
                if (keyOf(e) === 'Escape' && tip.shown) {
                    tip.escaped = true;
                    tip.hide();
                }
            });
            $(document).on('focusin', function () {
                if (tip.shown && tip.wouldCover(tip.place)) {
                    tip.hide();
                }
            });
            $(document).on('pointerdown', function (e) {
                tip.touch = e.originalEvent.pointerType === 'touch';
                tip.tapClosed = tip.touch && tip.shown;
                if (tip.tapClosed) {
                    tip.hide();
                }
            });
        },

        // The tip stands beside the picture, unless it would cover the
        // control that has the focus. A tip opened by a tap closes by itself
        // after a while.
        show: function (img) {
            var tip = this, $img = $(img), offset = $img.offset(), place;
            place = { img: img, top: offset.top - $img.height(), left: $img.width() + 10,
                width: img.naturalHeight ? TIP_HEIGHT * img.naturalWidth / img.naturalHeight : TIP_HEIGHT };
            if (this.wouldCover(place)) {
                return;
            }
            this.place = place;
            effect(this.$tip.stop(true, true).empty()
                .append($('<img alt="" />').attr('src', img.getAttribute('src')).css('height', TIP_HEIGHT + 'px'))
                .css({ top: place.top + 'px', left: place.left + 'px' }), 'show', 'fast');
            this.shown = true;
            window.clearTimeout(this.timer);
            if (this.touch) {
                this.timer = window.setTimeout(function () {
                    tip.hide();
                }, TIP_TOUCH_STAY);
            }
        },

        // Whether a tip at `place` (within the container) covers the control
        // that has the focus; a focused panel around the picture is none.
        wouldCover: function (place) {
            var focus = document.activeElement, home = this.el.getBoundingClientRect(), f, left, top;
            if (!focus || $.contains(focus, place.img) || !$.contains(document.documentElement, focus)) {
                return false;
            }
            f = focus.getBoundingClientRect();
            left = home.left + this.el.clientLeft + place.left;
            top = home.top + this.el.clientTop + place.top;
            return f.right > left && f.left < left + place.width + 2 && f.bottom > top && f.top < top + TIP_HEIGHT + 2;
        },

        hideSoon: function () {
            var tip = this;
            if (this.shown && !this.hideTimer) {
                this.hideTimer = window.setTimeout(function () {
                    tip.hide();
                }, TIP_GRACE);
            }
        },

        keep: function () {
            window.clearTimeout(this.hideTimer);
            this.hideTimer = null;
        },

        hide: function () {
            window.clearTimeout(this.timer);
            this.keep();
            this.$tip.stop(true, true).hide();
            this.shown = false;
        }
    };

    // ---- one cart: the parts wired together -----------------------------------

    function Cart(container, options) {
        this.el = container;
        this.$el = $(container);
        this.o = options;
        // Element ids of this cart start with this, so that carts of one page
        // never share one.
        this.ids = 'mv' + (++cartCount) + '-';
        this.names = accessibleNames();
        addFocusStyle();
        this.products = readProducts(container);
        this.build();
        this.layOut();
        this.bind();
        this.start(options.selected === 1 || options.selected === '1' ? 1 : 0);
    }

    Cart.prototype = {

        // The parts in page order: tab list (holding the message box), the
        // two panels, the checkout bar, the hidden total, the live region and
        // the picture tip.
        build: function () {
            this.messages = new Messages();
            this.tabs = new TabList(this.ids, this.messages);
            this.productList = new ProductList(this);
            this.basket = new Basket(this);
            this.checkout = new Checkout(this);
            this.tip = new PictureTip(this);
            this.tabs.panels = [this.productList.$panel, this.basket.$panel];
            this.$el.prepend(this.tabs.$menu).append(this.productList.$panel, this.basket.$panel);
            this.productList.fillCategories();
            this.$el.append(this.checkout.$bar, this.checkout.$totalText, this.messages.live, this.tip.$tip);
        },

        // Both sizes are read before the narrow layout's rules go in, so
        // that the page is laid out once for them.
        layOut: function () {
            var width = this.basket.headerWidth();
            this.productList.measure();
            restackWhenNarrow(this.$el, width);
        },

        bind: function () {
            this.tabs.bind();
            this.productList.bind();
            this.basket.bind();
            // Space presses a button or a tab as Enter does, on release.
            this.$el.on('keydown keyup', 'a[role="button"], a[role="tab"]', function (e) {
                if (keyOf(e) === ' ') {
                    e.preventDefault();
                    if (e.type === 'keyup') {
                        this.click();
                    }
                }
            });
            this.checkout.bind();
            this.tip.bind('img.mvProductImage, img.mvProductImageSmall');
        },

        start: function (tab) {
            this.basket.start();
            this.productList.start();
            this.basket.readStore();
            this.tabs.select(tab);
            this.messages.quiet = false;
        },

        hook: function (name, args) {
            var fn = this.o[name];
            return $.isFunction(fn) ? fn.apply(this.el, args) : undefined;
        },

        showTotals: function (sum, lines, items) {
            this.checkout.showTotal(sum);
            this.tabs.showCount(lines, items);
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
