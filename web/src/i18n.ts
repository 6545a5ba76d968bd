// The page's language: English when the browser's first language is English, Russian,
// the program's own, for every other, as the desktop program chooses. The English
// texts are the desktop program's translation file, read at build time.

declare const BRENVIK_ENGLISH: Record<string, string>;

/** Texts only the browser edition has, with their English. */
const kPageTexts: Record<string, string> = {
  "Программа завершена. Обновите страницу, чтобы начать снова.": "The program has ended. Reload the page to start again.",
  "Изменение параметра запущено": "Sweep started",
  "Изменение параметра остановлено": "Sweep stopped",
  "Вероятность обнаружения": "Detection probability",
  "Сохранить график (PNG)": "Save the graph (PNG)",
  "Трёхмерный вид: пластина датчика, источники и освещённость": "3-D view: the sensor plate, the sources and the illumination",
  "Титры": "Credits",
  "Модель не загрузилась: ": "The model did not load: ",
  "Положение Т1 X": "T1 position X",
  "Положение Т1 Y": "T1 position Y",
  "Положение Т2 X": "T2 position X",
  "Положение Т2 Y": "T2 position Y",
  "Копировать ссылку": "Copy link",
  "Записать параметры в адрес страницы и скопировать его": "Write the inputs into the page's address and copy it",
  "Ссылка скопирована": "Link copied",
  "Ссылка записана в адрес страницы: скопируйте её оттуда": "The link is in the page's address: copy it from there",
  "Ссылка: этого параметра нет": "Link: no such input",
  "Карта не посчитана: ": "The map was not computed: ",
  "Наведите указатель на карту": "Point at the map",
  "Значение под указателем мыши": "The value under the mouse pointer",
  "Трёхмерный вид недоступен: браузер не даёт WebGL 2. Всё остальное работает.":
    "The 3-D view is not available: the browser gives no WebGL 2. Everything else works.",
};

export function isEnglish(languages: readonly string[]): boolean {
  return (languages[0] ?? "").toLowerCase().startsWith("en");
}

let english = false;

export function setEnglish(on: boolean): void {
  english = on;
}

/** The text in the page's language; `text` is the Russian original. */
export function tr(text: string): string {
  if (!english) return text;
  // A caption with a keyboard shortcut ("&Выход") is shown without its ampersand.
  const withShortcut = BRENVIK_ENGLISH[`&${text}`];
  return BRENVIK_ENGLISH[text] ?? withShortcut?.replace("&", "") ?? kPageTexts[text] ?? text;
}

/** The text with %1, %2, … replaced by the values, as Qt's QString::arg does. */
export function arg(text: string, ...values: (string | number)[]): string {
  return text.replace(/%(\d)/g, (whole, n: string) => (values[Number(n) - 1] ?? whole).toString());
}

/** Translates every caption and hint of the page in place. */
export function translatePage(root: Document): void {
  root.documentElement.lang = english ? "en" : "ru";
  const walker = root.createTreeWalker(root.body, NodeFilter.SHOW_TEXT);
  for (let node = walker.nextNode(); node; node = walker.nextNode()) {
    const text = node.nodeValue?.trim();
    if (text) node.nodeValue = node.nodeValue!.replace(text, tr(text));
  }
  for (const element of root.querySelectorAll<HTMLElement>("[data-hint]")) {
    element.dataset.hint = tr(element.dataset.hint!);
    element.title = element.dataset.hint;
  }
  for (const element of root.querySelectorAll<HTMLElement>("[aria-label]"))
    element.setAttribute("aria-label", tr(element.getAttribute("aria-label")!));
}
