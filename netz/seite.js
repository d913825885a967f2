// The page of the five calculators: builds each calculator's form from its
// description (frames, captions, defaults, options in window order), reads
// the fields as the window does through the engine, shows the results,
// hints and report, and keeps the inputs in the address's fragment.  Every
// text from a description, a link, a file or a field is set as text, never
// as markup.  The page speaks the reader's language: its own texts are
// marked _('...') (German, the catalogues' ids, which xgettext reads from
// here into po/), and the engine gives them, its descriptions, results,
// reports and messages in the language set.
'use strict';

(function () {
  const $ = (id) => document.getElementById(id);
  const formular = $('formular');
  const meldungsfeld = $('meldung');
  const berichtsfeld = $('bericht');
  const rechengangsfeld = $('rechengang');
  // The link's format: "#PROGRAMM&v=2&sprache=en&NAME=WERT&NAME=WERT".
  // Format 1 is the same without the language; a link without v= is read
  // as format 1, and one in German is written as format 1, which pages
  // before the languages read too.
  const LINKFASSUNG = '2';
  const LINKFASSUNGEN = ['1', '2'];
  // The reader's choice of language, on this machine.
  const SPRACHSCHLUESSEL = 'maschinenelemente.sprache';
  // Each language in its own words, for the switch.
  const SPRACHNAMEN = { de: 'Deutsch', en: 'English' };

  let engine = null, texte = {}, alle = [];
  let sprachen = ['de'], sprache = 'de';
  let b = null;            // the description of the calculator shown
  let gerechnet = null;    // the last computation's report and inputs, or null
  let gerechneteZeilen = '';  // the inputs of the last "Rechnen", whatever came of it

  // A text of the page in the reader's language; before the engine is
  // loaded there is no catalogue, and German stands.
  const _ = (deutsch) => (engine ? engine.text(deutsch) : deutsch);
  // A sentence of the catalogue with its pieces put in: {1} the first, ...
  const einsetzen = (satz, ...stuecke) =>
    satz.replace(/\{([1-9])\}/g, (marke, n) => (n <= stuecke.length ? stuecke[n - 1] : marke));

  const element = (art, eigenschaften, ...kinder) => {
    const e = document.createElement(art);
    for (const [k, w] of Object.entries(eigenschaften || {})) {
      if (k === 'text') e.textContent = w;
      else if (k.startsWith('data-') || k.startsWith('aria-') || k === 'for' || k === 'list')
        e.setAttribute(k, w);
      else e[k] = w;
    }
    for (const k of kinder) if (k) e.append(k);
    return e;
  };

  function melden(...zeilen) {
    meldungsfeld.textContent = zeilen.map((z) => z.replace(/\n+$/, '')).filter((z) => z !== '').join('\n');
  }

  function herunterladen(text, name) {
    const url = URL.createObjectURL(new Blob([new TextEncoder().encode(text)],
                                             { type: 'application/octet-stream' }));
    const a = element('a', { href: url, download: name });
    document.body.append(a);
    a.click();
    a.remove();
    setTimeout(() => URL.revokeObjectURL(url), 60000);
  }

  // Whether a field or result counts with the options as they stand.
  function gilt(nurBei) {
    if (!nurBei) return true;
    return optionswert(nurBei.option) === nurBei.wert;
  }

  function optionswert(name) {
    const o = b.optionen.find((x) => x.name === name);
    if (o.knoepfe.length === 0 && o.werte.length === 2) {
      const k = formular.querySelector(`input[type=checkbox][data-option="${CSS.escape(name)}"]`);
      return o.werte[k.checked ? 1 : 0];
    }
    const r = [...formular.querySelectorAll(`input[type=radio][data-option="${CSS.escape(name)}"]`)]
      .find((x) => x.checked);
    return r ? r.value : o.vorgabe;
  }

  function optionSetzen(o, wert) {
    if (o.knoepfe.length === 0 && o.werte.length === 2) {
      formular.querySelector(`input[type=checkbox][data-option="${CSS.escape(o.name)}"]`).checked =
        wert === o.werte[1];
      return;
    }
    for (const r of formular.querySelectorAll(`input[type=radio][data-option="${CSS.escape(o.name)}"]`))
      r.checked = r.value === wert;
  }

  const feldElement = (name) => formular.querySelector(`[data-feld="${CSS.escape(name)}"]`);

  // Fields and results a mode does not read greyed, as the window does; the
  // results of the other mode show "--".
  function modusZeigen() {
    for (const f of b.eingaben) feldElement(f.name).disabled = !gilt(f.nur_bei);
    for (const a of b.ergebnisse) {
      const aus = formular.querySelector(`[data-ergebnis="${CSS.escape(a.name)}"]`);
      const an = gilt(a.nur_bei);
      aus.classList.toggle('aus', !an);
      aus.setAttribute('aria-disabled', an ? 'false' : 'true');
      if (!an && a.nur_bei) aus.textContent = '--';
    }
  }

  function feldBauen(f, mehrfach) {
    const id = 'f-' + f.name;
    const beschriftung = element('label', { for: id, text: f.beschriftung });
    if (mehrfach) beschriftung.append(' ', element('span', { className: 'symbol', text: f.name }));
    const feld = element('input', {
      type: 'text', id, name: f.name, value: f.vorgabe, autocomplete: 'off', spellcheck: false,
      'data-feld': f.name,
    });
    feld.setAttribute('autocapitalize', 'off');
    const zeile = element('div', { className: 'feld' }, beschriftung, feld);
    if (f.auswahl.length) {
      // An editable list, as the window's box: any text can be typed.
      const liste = element('datalist', { id: id + '-liste' });
      for (const w of f.auswahl) liste.append(element('option', { value: w }));
      feld.setAttribute('list', liste.id);
      zeile.append(liste);
    }
    return zeile;
  }

  function optionBauen(o) {
    if (o.knoepfe.length === 0 && o.werte.length === 2) {
      const id = 'o-' + o.name;
      const k = element('input', {
        type: 'checkbox', id, name: o.name, value: o.werte[1], 'data-option': o.name,
        'data-werte': o.werte.join(' '), checked: o.vorgabe === o.werte[1],
      });
      return element('div', { className: 'option' }, k, element('label', { for: id, text: o.beschriftung }));
    }
    const gruppe = element('div', { className: 'gruppe', role: 'radiogroup', 'aria-label': o.beschriftung });
    o.knoepfe.forEach((knopf, k) => {
      const id = `o-${o.name}-${k}`;
      const r = element('input', {
        type: 'radio', id, name: o.name, value: o.werte[k], 'data-option': o.name,
        checked: o.werte[k] === o.vorgabe,
      });
      gruppe.append(element('div', { className: 'option' }, r, element('label', { for: id, text: knopf })));
    });
    return gruppe;
  }

  // A frame's fields in the window's cells, row by row as Tab walks them
  // there: caption and field of a pair of the window's columns take one
  // column of the grid.
  function felderBauen(rahmen, haeufig) {
    const felder = element('div', { className: 'felder raster' });
    const imRahmen = b.eingaben.filter((f) => f.rahmen === rahmen)
      .sort((x, y) => x.zelle.zeile - y.zelle.zeile || x.zelle.spalte - y.zelle.spalte);
    for (const f of imRahmen) {
      const zeile = feldBauen(f, haeufig.get(f.beschriftung) > 1);
      zeile.style.gridRow = String(f.zelle.zeile + 1);
      zeile.style.gridColumn = String(f.zelle.spalte + 1);
      felder.append(zeile);
    }
    felder.style.setProperty('--spalten', String(Math.max(1, ...imRahmen.map((f) => f.zelle.spalte + 1))));
    return felder;
  }

  // The form of one calculator: the window's frames in order, then the
  // results with their hints.
  function formularBauen(programm) {
    b = alle.find((x) => x.programm === programm);
    gerechnet = null;
    formular.replaceChildren();
    formular.removeAttribute('data-status');
    formular.dataset.programm = b.programm;
    $('titel').textContent = b.titel;
    document.title = b.titel;
    $('programm').value = b.programm;
    const haeufig = new Map();
    for (const f of b.eingaben) haeufig.set(f.beschriftung, (haeufig.get(f.beschriftung) || 0) + 1);
    // The addition's frame is the last one: below the window's frames.
    const zusatzRahmen = b.zusatz ? b.zusatz.rahmen : null;
    for (const rahmen of b.rahmen) {
      const feldsatz = element('fieldset', { className: 'rahmen' }, element('legend', { text: rahmen }));
      if (rahmen === zusatzRahmen) feldsatz.dataset.zusatz = 'eingaben';
      const felder = felderBauen(rahmen, haeufig);
      if (felder.childElementCount) feldsatz.append(felder);
      for (const o of b.optionen) if (o.rahmen === rahmen) feldsatz.append(optionBauen(o));
      // An addition of results alone has no inputs to show.
      if (rahmen !== zusatzRahmen || feldsatz.childElementCount > 1) formular.append(feldsatz);
    }
    const knoepfe = element('div', { className: 'knoepfe' },
      element('button', { type: 'submit', id: 'rechnen', text: _('Rechnen') }),
      element('button', { type: 'button', id: 'bericht-speichern', text: _('Bericht speichern') }),
      element('button', { type: 'button', id: 'link-kopieren', text: _('Link kopieren') }));
    if (engine.eingabenLesen && engine.eingabenSchreiben) {
      const datei = element('input', { type: 'file', id: 'satzdatei', className: 'unsichtbar',
                                       accept: '.' + b.programm, tabIndex: -1, 'aria-hidden': 'true' });
      datei.addEventListener('change', () => { if (datei.files[0]) satzOeffnen(datei.files[0]); datei.value = ''; });
      const oeffnen = element('button', { type: 'button', id: 'eingaben-oeffnen', text: _('Eingaben oeffnen') });
      oeffnen.addEventListener('click', () => datei.click());
      const speichern = element('button', { type: 'button', id: 'eingaben-speichern', text: _('Eingaben speichern') });
      speichern.addEventListener('click', satzSpeichern);
      knoepfe.append(oeffnen, speichern, datei);
    }
    formular.append(knoepfe);

    formular.append(ergebnisseBauen(_('Ergebnisse'), null));
    // The addition's results and notes in a frame of their own, with what
    // they leave out beside them.
    if (b.zusatz) {
      const feldsatz = ergebnisseBauen(b.zusatz.rahmen, b.zusatz.rahmen);
      feldsatz.append(element('p', { className: 'vorbehalt', text: b.zusatz.vorbehalt }));
      formular.append(feldsatz);
    }
    zusatzBauen();

    for (const o of b.optionen)
      for (const e of formular.querySelectorAll(`[data-option="${CSS.escape(o.name)}"]`))
        e.addEventListener('change', () => { gerechnet = null; modusZeigen(); });
    $('bericht-speichern').addEventListener('click', berichtSpeichern);
    $('link-kopieren').addEventListener('click', linkKopieren);
    modusZeigen();
    berichtsfeld.textContent = '';
    rechengangZeigen('');
    melden();
  }

  // The result fields and notes of the window's frames (rahmen null) or of
  // the addition, in a frame with that legend.
  function ergebnisseBauen(legende, rahmen) {
    const dabei = (x) => (x.rahmen || null) === rahmen;
    const ergebnisse = element('div', { className: 'felder' });
    const beschriftet = new Map(b.hinweise.filter((h) => h.ergebnis).map((h) => [h.ergebnis, h]));
    for (const a of b.ergebnisse.filter(dabei)) {
      const id = 'e-' + a.name;
      const h = beschriftet.get(a.name);
      const beschriftung = element('label', { for: id, text: h ? h.beschriftung : a.beschriftung });
      if (h) beschriftung.dataset.hinweis = h.name;
      ergebnisse.append(element('div', { className: 'feld' }, beschriftung,
        element('output', { id, 'data-ergebnis': a.name, text: b.ergebnisse_vorher || '' })));
    }
    const feldsatz = element('fieldset', { className: 'rahmen ergebnisse' },
      element('legend', { text: legende }), ergebnisse);
    if (rahmen) feldsatz.dataset.zusatz = 'ergebnisse';
    for (const h of b.hinweise.filter(dabei))
      if (!h.ergebnis) feldsatz.append(element('p', { className: 'hinweis', 'data-hinweis': h.name, text: h.beschriftung }));
    return feldsatz;
  }

  // Every field and option as NAME=WERT lines, as the command line takes them.
  function zeilen() {
    const z = b.eingaben.map((f) => `${f.name}=${feldElement(f.name).value}`);
    for (const o of b.optionen) z.push(`${o.name}=${optionswert(o.name)}`);
    return z.join('\n');
  }

  function rechnen() {
    gerechneteZeilen = zeilen();
    const r = engine.rechnen(b.programm, gerechneteZeilen);
    for (const e of formular.querySelectorAll('[aria-invalid]')) e.removeAttribute('aria-invalid');
    if (r.status !== 0) {
      formular.dataset.status = r.feld ? 'abgelehnt' : r.status === 1 ? 'verweigert' : 'falsch';
      gerechnet = null;
      berichtsfeld.textContent = '';
      rechengangZeigen('');
      diagrammLeeren();
      melden(...(r.fenster.length ? r.fenster : [r.meldung]));
      if (r.feld) {
        const f = feldElement(r.feld);
        f.setAttribute('aria-invalid', 'true');
        f.focus();
      }
      return r;
    }
    const json = JSON.parse(r.json);
    for (const a of json.ergebnisse)
      formular.querySelector(`[data-ergebnis="${CSS.escape(a.name)}"]`).textContent = a.text;
    for (const h of json.hinweise)
      formular.querySelector(`[data-hinweis="${CSS.escape(h.name)}"]`).textContent = h.text;
    gerechnet = { bericht: r.bericht, zeilen: zeilen() };
    berichtsfeld.textContent = r.bericht;
    if (engine.rechengang) {
      const g = engine.rechengang(b.programm, gerechnet.zeilen);
      rechengangZeigen(g.status === 0 ? g.text : '');
    }
    formular.dataset.status = 'berechnet';
    melden();
    diagrammZeichnen();
    return r;
  }

  // The working of the last computation as the calculation record prints
  // it: on screen behind its button, on paper always.
  function rechengangZeigen(text) {
    rechengangsfeld.textContent = text;
    $('rechengangteil').hidden = text === '';
  }

  // The diagram of the last computation, drawn by the engine as SVG and
  // shown as a picture (a picture runs no script); a plot range the
  // calculator refuses says so instead.
  function diagrammLeeren() {
    const bild = $('diagramm');
    if (!bild) return;
    bild.removeAttribute('src');
    $('diagrammteil').hidden = true;
  }

  function diagrammZeichnen() {
    const bild = $('diagramm');
    if (!bild || !gerechnet) return;
    // The plot's own fields (a range of the diagram's) as they stand now.
    const nurBild = new Set(b.eingaben.filter((f) => !f.beim_rechnen).map((f) => f.name));
    const z = gerechnet.zeilen.split('\n').map((zeile) => {
      const name = zeile.slice(0, zeile.indexOf('='));
      return nurBild.has(name) ? `${name}=${feldElement(name).value}` : zeile;
    });
    const d = engine.diagramm(b.programm, z.join('\n'), 800, 500);
    if (d.status !== 0) {
      diagrammLeeren();
      // The module words it for a command line, in one line.
      melden(d.meldung === texte.fehler_bereich.replaceAll('\n', ': ') ? texte.fehler_bereich : d.meldung);
      return;
    }
    bild.src = 'data:image/svg+xml;charset=utf-8,' + encodeURIComponent(d.svg);
    bild.alt = einsetzen(_('Diagramm: {1}'), b.titel);
    $('diagrammteil').hidden = false;
  }

  // Input sets: a file read as the windows read it (a refused file changes
  // nothing), the set of what is on screen as a download.
  async function satzOeffnen(datei) {
    let text;
    try {
      text = new TextDecoder('utf-8', { fatal: true }).decode(await datei.arrayBuffer());
    } catch (x) {
      return melden(texte.fehler_oeffnen + _('keine Datei in UTF-8'));
    }
    const r = engine.eingabenLesen(b.programm, text);
    if (r.status !== 0) return melden(texte.fehler_oeffnen + r.meldung);
    eintragen(r.zeilen.split('\n').filter((z) => z !== ''));
    formular.removeAttribute('data-status');
    melden();
  }

  function satzSpeichern() {
    const r = engine.eingabenSchreiben(b.programm, zeilen());
    if (r.status !== 0) return melden(r.meldung);
    herunterladen(r.text, 'eingaben.' + b.programm);
  }

  // What the window offers beside its form: the diagram, the search for a
  // wanted result, the catalogues.  Each only where the engine has it.
  function zusatzBauen() {
    const zusatz = $('zusatz');
    zusatz.replaceChildren();
    if (engine.diagramm) {
      const teil = element('section', { id: 'diagrammteil', hidden: true, 'aria-label': _('Diagramm') },
        element('h2', { text: _('Diagramm') }), element('img', { id: 'diagramm', alt: '' }));
      zusatz.append(teil);
      for (const f of b.eingaben)
        if (!f.beim_rechnen) feldElement(f.name).addEventListener('change', diagrammZeichnen);
    }
    if (engine.suchen) zusatz.append(sucheBauen());
    if (engine.kataloge && engine.katalog) {
      const k = katalogBauen();
      if (k) zusatz.append(k);
    }
  }

  const zeileBauen = (id, beschriftung, feld) =>
    element('div', { className: 'feld' }, element('label', { for: id, text: beschriftung }), feld);

  // "Zielwert suchen": which value of a field the mode reads gives a wanted
  // result; the first value found goes into its field and is computed.
  function sucheBauen() {
    const mitEinheit = (x) => (x.beschriftung.includes(' / ') || !x.einheit ? x.beschriftung
                                                                           : `${x.beschriftung} / ${x.einheit}`);
    const ergebnis = element('select', { id: 'suche-ergebnis' });
    const feld = element('select', { id: 'suche-feld' });
    const fuellen = () => {
      ergebnis.replaceChildren(...b.ergebnisse.filter((a) => gilt(a.nur_bei))
        .map((a) => element('option', { value: a.name, text: mitEinheit(a) })));
      feld.replaceChildren(...b.eingaben.filter((f) => !f.text && f.beim_rechnen && gilt(f.nur_bei))
        .map((f) => element('option', { value: f.name, text: mitEinheit(f) })));
    };
    const ziel = element('input', { type: 'text', id: 'suche-ziel', autocomplete: 'off' });
    const von = element('input', { type: 'text', id: 'suche-von', autocomplete: 'off' });
    const bis = element('input', { type: 'text', id: 'suche-bis', autocomplete: 'off' });
    const knopf = element('button', { type: 'button', id: 'suchen', text: _('Suchen') });
    const loesungen = element('p', { id: 'suche-loesungen', className: 'loesungen' });
    const teil = element('details', { id: 'zielwert' }, element('summary', { text: _('Zielwert suchen') }),
      element('div', { className: 'felder' }, zeileBauen('suche-ergebnis', _('Ergebnis'), ergebnis),
        zeileBauen('suche-ziel', _('Zielwert'), ziel), zeileBauen('suche-feld', _('Eingabefeld'), feld),
        zeileBauen('suche-von', _('von'), von), zeileBauen('suche-bis', _('bis'), bis)),
      element('div', { className: 'knoepfe' }, knopf), loesungen);
    // The result at the inputs as they stand, as its field shows it, as the
    // target offered first.
    const vorschlagen = () => {
      const r = engine.rechnen(b.programm, zeilen());
      const a = r.status === 0 ? JSON.parse(r.json).ergebnisse.find((x) => x.name === ergebnis.value) : null;
      ziel.value = a && a.wert !== null && Number.isFinite(a.wert) ? a.text.trim() : '';
    };
    ergebnis.addEventListener('change', vorschlagen);
    teil.addEventListener('toggle', () => { if (teil.open) { fuellen(); vorschlagen(); } });
    for (const e of formular.querySelectorAll('[data-option]')) e.addEventListener('change', fuellen);
    knopf.addEventListener('click', () => {
      loesungen.textContent = '';
      const bereich = von.value === '' && bis.value === '' ? '' : `${von.value}:${bis.value}`;
      const r = engine.suchen(b.programm, zeilen(), feld.value, ergebnis.value, ziel.value, bereich);
      const j = r.status === 0 ? JSON.parse(r.json) : null;
      // A search the window's dialog would not make or that finds nothing:
      // the dialog's text.
      if (!j || !j.suche || !j.suche.loesungen || j.suche.loesungen.length === 0)
        return melden(...(r.fenster.length ? r.fenster : [r.meldung || (j && j.meldung) || '']));
      const erste = j.suche.loesungen[0].text;
      const liste = [j.suche.loesungen.length === 1 ? texte.gefunden
        : j.suche.loesungen.length + texte.loesungen];
      for (const l of j.suche.loesungen) {
        feldElement(feld.value).value = l.text;
        const x = JSON.parse(engine.rechnen(b.programm, zeilen()).json || '{"ergebnisse":[]}');
        const a = x.ergebnisse.find((e) => e.name === ergebnis.value);
        liste.push(`${feld.value} = ${l.text}  (${ergebnis.value} = ${a ? a.text.trim() : '?'})`);
      }
      feldElement(feld.value).value = erste;
      loesungen.textContent = liste.join('\n');
      rechnen();
    });
    fuellen();
    return teil;
  }

  // "Katalog": an entry of a built-in table into its fields, as if typed.
  function katalogBauen() {
    let tabellen;
    try {
      tabellen = JSON.parse(engine.kataloge(b.programm) || '{}').tabellen || [];
    } catch (x) {
      tabellen = [];
    }
    if (tabellen.length === 0) return null;
    const tabelle = element('select', { id: 'katalog-tabelle' },
      ...tabellen.map((t) => element('option', { value: t.name, text: t.titel })));
    const eintrag = element('select', { id: 'katalog-eintrag' });
    const setzt = element('p', { id: 'katalog-setzt', className: 'loesungen' });
    const eintraege = () => {
      const t = tabellen.find((x) => x.name === tabelle.value);
      eintrag.replaceChildren(...t.eintraege.map((e) => element('option', { value: e.bezeichnung, text: e.bezeichnung })));
      zeigen();
    };
    const zeigen = () => {
      const t = tabellen.find((x) => x.name === tabelle.value);
      const e = t.eintraege.find((x) => x.bezeichnung === eintrag.value);
      const felder = e ? Object.entries(e.felder).map(([n, w]) => `${n} = ${w}`).join(', ') : '';
      setzt.textContent = e ? einsetzen(_('Setzt: {1}'), felder) : '';
    };
    tabelle.addEventListener('change', eintraege);
    eintrag.addEventListener('change', zeigen);
    const knopf = element('button', { type: 'button', id: 'katalog-uebernehmen', text: _('Uebernehmen') });
    knopf.addEventListener('click', () => {
      const r = engine.katalog(b.programm, zeilen(), `${tabelle.value}:${eintrag.value}`);
      if (r.status !== 0) return melden(r.meldung);
      eintragen(r.zeilen.split('\n').filter((z) => z !== ''));
      melden();
    });
    // "Auslegen": the first entry of the table that passes every check and
    // condition (ERGEBNIS>=WERT, ERGEBNIS<=WERT, separated by blanks) with
    // the other inputs as they stand.
    const bedingungen = element('input', { type: 'text', id: 'katalog-bedingungen', autocomplete: 'off' });
    const liste = element('pre', { id: 'katalog-auslegung' });
    const auslegen = element('button', { type: 'button', id: 'katalog-auslegen', text: _('Auslegen') });
    if (!engine.auslegung) auslegen.hidden = true;
    auslegen.addEventListener('click', () => {
      const r = engine.auslegung(b.programm, zeilen(), tabelle.value,
                                 bedingungen.value.trim().split(/\s+/).filter((x) => x !== '').join('\n'));
      liste.textContent = r.text;
      const j = r.json ? JSON.parse(r.json) : null;
      if (!j || !j.gewaehlt) return melden(r.meldung);
      const k = engine.katalog(b.programm, zeilen(), `${tabelle.value}:${j.gewaehlt}`);
      if (k.status !== 0) return melden(k.meldung);
      eintragen(k.zeilen.split('\n').filter((z) => z !== ''));
      eintrag.value = j.gewaehlt;
      zeigen();
      melden();
    });
    const teil = element('details', { id: 'katalog' }, element('summary', { text: _('Katalog') }),
      element('div', { className: 'felder' }, zeileBauen('katalog-tabelle', _('Tabelle'), tabelle),
        zeileBauen('katalog-eintrag', _('Eintrag'), eintrag),
        zeileBauen('katalog-bedingungen', _('Bedingungen'), bedingungen)),
      setzt, element('div', { className: 'knoepfe' }, knopf, auslegen), liste);
    eintraege();
    return teil;
  }

  function berichtSpeichern() {
    if (!gerechnet) return melden(texte.nicht_gerechnet);
    herunterladen(gerechnet.bericht, b.programm + '.txt');
  }

  // The link of what is on screen: the program, the format, the language
  // unless German, and every field and option that differs from its default.
  function link() {
    const teile = [b.programm, 'v=' + (sprache === 'de' ? '1' : LINKFASSUNG)];
    if (sprache !== 'de') teile.push('sprache=' + sprache);
    const kodiert = (n, w) => encodeURIComponent(n) + '=' + encodeURIComponent(w);
    for (const f of b.eingaben) {
      const w = feldElement(f.name).value;
      if (w !== f.vorgabe) teile.push(kodiert(f.name, w));
    }
    for (const o of b.optionen) {
      const w = optionswert(o.name);
      if (w !== o.vorgabe) teile.push(kodiert(o.name, w));
    }
    return location.href.replace(/#.*$/, '') + '#' + teile.join('&');
  }

  function linkKopieren() {
    const l = link();
    history.replaceState(null, '', l);
    const feld = $('link');
    feld.value = l;
    feld.hidden = false;
    feld.select();
    if (navigator.clipboard) navigator.clipboard.writeText(l).catch(() => {});
  }

  // Fields and options from NAME=WERT lines, over the defaults; what was
  // computed no longer holds, unless the same inputs are put back.
  function eintragen(z, dieselben = false) {
    for (const f of b.eingaben) feldElement(f.name).value = f.vorgabe;
    for (const o of b.optionen) optionSetzen(o, o.vorgabe);
    for (const zeile of z) {
      const i = zeile.indexOf('=');
      const name = zeile.slice(0, i), wert = zeile.slice(i + 1);
      const f = b.eingaben.find((x) => x.name === name);
      if (f) feldElement(name).value = wert;
      const o = b.optionen.find((x) => x.name === name);
      if (o) optionSetzen(o, wert);
    }
    if (!dieselben) gerechnet = null;
    modusZeigen();
  }

  // "#PROGRAMM&v=2&sprache=en&NAME=WERT...": that calculator with those
  // inputs, computed, in that language if the page has it (else in the
  // reader's).  A bad link leaves the defaults and says why.
  function linkLesen() {
    const roh = location.hash.replace(/^#/, '');
    if (roh === '') return false;
    let teile;
    try {
      teile = roh.split('&').map(decodeURIComponent);
    } catch (x) {
      teile = null;
    }
    const programm = teile && teile[0];
    const rest = teile ? teile.slice(1) : [];
    let fassung = '1';
    for (const t of rest) if (t.startsWith('v=')) fassung = t.slice(2);
    const mitSprache = (t) => fassung !== '1' && t.startsWith('sprache=');
    const linksprache = rest.filter(mitSprache).map((t) => t.slice('sprache='.length)).pop();
    if (linksprache && linksprache !== sprache && sprachen.includes(linksprache)) spracheAnwenden(linksprache);
    if (!teile || !alle.some((x) => x.programm === programm)) {
      formularBauen(alle[0].programm);
      melden(einsetzen(_('Link nicht gelesen: unbekanntes Programm "{1}"'), teile ? programm : roh));
      return true;
    }
    formularBauen(programm);
    const z = rest.filter((t) => t !== '' && !t.startsWith('v=') && !mitSprache(t));
    const fehler = !LINKFASSUNGEN.includes(fassung) ? einsetzen(_('Link nicht gelesen: Linkformat "{1}" unbekannt'), fassung)
      : z.some((t) => /[\n\r\0]/.test(t)) ? _('Link nicht gelesen: Zeilenwechsel in einem Wert')
      : null;
    if (fehler) {
      melden(fehler);
      return true;
    }
    const r = engine.rechnen(programm, z.join('\n'));
    if (r.status === 2) {
      melden(einsetzen(_('Link nicht gelesen: {1}'), r.meldung));
      return true;
    }
    eintragen(z);
    rechnen();
    return true;
  }

  // The language: the reader's choice with the switch, remembered on this
  // machine; before any, the browser's first language the page has
  // (navigator.languages, "en-GB" as "en"), German for any other.
  function gemerkteSprache() {
    try {
      return localStorage.getItem(SPRACHSCHLUESSEL);
    } catch (x) {
      return null;  // no storage for this page: the browser's language
    }
  }

  function ersteSprache() {
    const gemerkt = gemerkteSprache();
    if (sprachen.includes(gemerkt)) return gemerkt;
    for (const l of navigator.languages || [navigator.language]) {
      const code = String(l || '').toLowerCase().split('-')[0];
      if (sprachen.includes(code)) return code;
    }
    return 'de';
  }

  // Every text of the page in that language: the frame's own, the
  // calculators' descriptions and the windows' messages.  The form is
  // built afresh by the caller.
  function spracheAnwenden(code) {
    sprache = engine.spracheSetzen(code) ? code : 'de';
    document.documentElement.lang = sprache;
    $('sprache').value = sprache;
    for (const [id, text] of [['sprache-beschriftung', _('Sprache')], ['programm-beschriftung', _('Rechner')],
                              ['rechengang-zeigen', _('Rechengang und Pruefungen')], ['berichtstitel', _('Bericht')]])
      $(id).textContent = text;
    $('link').setAttribute('aria-label', _('Link'));
    alle = engine.beschreibungen();
    // For scripts and tests: what the page was built from.
    window.maschinenelementeBeschreibungen = alle;
    texte = engine.texte();
    $('programm').replaceChildren(...alle.map((x) => element('option', { value: x.programm, text: `${x.programm}: ${x.titel}` })));
  }

  // The switch: the same calculator in the other language, every field as
  // typed, the last "Rechnen" done again, the panels open as they were.
  function spracheWaehlen(code) {
    try {
      localStorage.setItem(SPRACHSCHLUESSEL, code);
    } catch (x) {
      // No storage for this page: chosen for this visit.
    }
    const getippt = zeilen().split('\n'), gerechnetVorher = formular.dataset.status ? gerechneteZeilen : null;
    const offen = [...document.querySelectorAll('details[open]')].map((d) => d.id);
    spracheAnwenden(code);
    formularBauen(b.programm);
    if (gerechnetVorher !== null) {
      eintragen(gerechnetVorher.split('\n'));
      rechnen();
    }
    eintragen(getippt, true);
    diagrammZeichnen();
    for (const id of offen) $(id).open = true;
    // An address that holds a link holds it in the new language.
    if (/(^#|&)v=/.test(location.hash)) history.replaceState(null, '', link());
  }

  async function start() {
    try {
      // The module gzipped, as base64.
      const roh = atob($('modul').textContent.trim());
      const gepackt = new Uint8Array(roh.length);
      for (let i = 0; i < roh.length; ++i) gepackt[i] = roh.charCodeAt(i);
      const bytes = await new Response(new Blob([gepackt]).stream()
        .pipeThrough(new DecompressionStream('gzip'))).arrayBuffer();
      engine = await maschinenelemente(bytes);
    } catch (x) {
      // Without the engine no catalogue either: in German.
      melden('Der Rechenkern liess sich nicht laden: ' + x.message);
      return;
    }
    sprachen = engine.sprachen();
    const sprachwahl = $('sprache');
    for (const code of sprachen) sprachwahl.append(element('option', { value: code, text: SPRACHNAMEN[code] || code }));
    sprachwahl.addEventListener('change', () => spracheWaehlen(sprachwahl.value));
    // A module without catalogues speaks German alone: nothing to switch.
    sprachwahl.parentElement.hidden = sprachen.length < 2;
    spracheAnwenden(ersteSprache());
    const auswahl = $('programm');
    auswahl.addEventListener('change', () => {
      formularBauen(auswahl.value);
      history.replaceState(null, '', location.href.replace(/#.*$/, '') + '#' + auswahl.value);
    });
    formular.addEventListener('submit', (ereignis) => { ereignis.preventDefault(); rechnen(); });
    $('rechengang-zeigen').addEventListener('click', (ereignis) => {
      const auf = ereignis.currentTarget.getAttribute('aria-expanded') !== 'true';
      ereignis.currentTarget.setAttribute('aria-expanded', String(auf));
      rechengangsfeld.hidden = !auf;
    });
    window.addEventListener('hashchange', linkLesen);
    if (!linkLesen()) formularBauen(alle[0].programm);
    // Milliseconds from the start of loading to the ready form.
    document.body.dataset.bereit = String(Math.round(performance.now()));
  }

  start();
})();
