<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ru_RU">
<context>
    <name>FileError</name>
    <message>
        <source>Не удалось создать файл «%1». %2</source>
        <translation>Cannot create file &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source>Не удалось записать файл «%1». %2</source>
        <translation>Cannot write file &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source>Система не назвала причину.</source>
        <translation>The system gave no reason.</translation>
    </message>
    <message>
        <source>Нет такого файла или папки.</source>
        <translation>No such file or folder.</translation>
    </message>
    <message>
        <source>Нет прав на запись в эту папку.</source>
        <translation>No permission to write in this folder.</translation>
    </message>
    <message>
        <source>Папка доступна только для чтения.</source>
        <translation>The folder is read-only.</translation>
    </message>
    <message>
        <source>На диске не осталось места.</source>
        <translation>No space is left on the disk.</translation>
    </message>
    <message>
        <source>Часть пути — не папка.</source>
        <translation>A part of the path is not a folder.</translation>
    </message>
    <message>
        <source>Это имя папки, а не файла.</source>
        <translation>The name is a folder's, not a file's.</translation>
    </message>
    <message>
        <source>Имя файла слишком длинное.</source>
        <translation>The file name is too long.</translation>
    </message>
    <message>
        <source>Ошибка ввода-вывода на диске.</source>
        <translation>An input/output error on the disk.</translation>
    </message>
    <message>
        <source>Ошибка системы номер %1.</source>
        <translation>System error number %1.</translation>
    </message>
</context>
<context>
    <name>PixelFormat</name>
    <message>
        <source>Ошибка!</source>
        <translation>Error!</translation>
    </message>
    <message>
        <source>Не могу выбрать формат пискеля</source>
        <translation>Cannot choose the pixel format</translation>
    </message>
    <message>
        <source>Не могу установить формат пикселя</source>
        <translation>Cannot set the pixel format</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>О программе !</source>
        <translation>About!</translation>
    </message>
    <message>
        <source>Version 1.0</source>
        <translation>Version 1.0</translation>
    </message>
    <message>
        <source>Muzzic</source>
        <translation>Muzzic</translation>
    </message>
    <message>
        <source>Brenvik Version 1.0</source>
        <translation>Brenvik Version 1.0</translation>
    </message>
    <message>
        <source>OpenGL version</source>
        <translation>OpenGL version</translation>
    </message>
    <message>
        <source>Programmed by</source>
        <translation>Programmed by</translation>
    </message>
    <message>
        <source>Brenvik team</source>
        <translation>Brenvik team</translation>
    </message>
    <message>
        <source>&amp; friends</source>
        <translation>&amp; friends</translation>
    </message>
    <message>
        <source>dec. 2oo7</source>
        <translation>dec. 2oo7</translation>
    </message>
    <message>
        <source>Пара слов о программе</source>
        <translation>A few words about the program</translation>
    </message>
    <message>
        <source>Привет, исследователь разрешающей способности!

Brenvik — это лабораторная работа в одном окне. Две точки светят на грубую матрицу датчика 121 × 121, каждая размыта гауссовой функцией рассеяния, и программа каждые 35 мс честно проверяет: различимы ли они?

Что на картинке. Два светлых холмика — свет от точек Т1 (малиновая) и Т2 (голубая), под каждой — красная ниточка до датчика. Тонкая зелёная линия стоит посередине между точками, а чуть более светлая клетка под ней — та ячейка датчика, по которой усредняется освещённость. Точки считаются разрешёнными, если оба пика возвышаются над этим средним хотя бы на долю «Порог» от своей высоты.

Что вводить. «Q:» — ширина размытия (чем больше, тем толще холмики и тем труднее жизнь). «Кол-во тестов:» — сколько испытаний собрать в одну пачку; после каждой пачки внизу появляется вероятность обнаружения. «Порог:» — та самая доля, от 0 до 1. Галочка «Белый шум» добавляет к каждой точке случайную прибавку, а ползунок под ней задаёт её силу.

Свип. Отметьте, что менять: положение Т2 (она поедет по диагонали датчика из угла в угол), интенсивность шума (от 0 до максимума) или порог (от 0 до 1) — можно всё сразу. Кнопка «Старт!» запускает, «Стоп» останавливает, а справа вверху рисуется график вероятности. Кнопка с фотографиями сохраняет его в BMP, правый щелчок по графику сохраняет точки в CSV.

Мелочи жизни. В числовые поля вводятся только цифры и десятичный разделитель ваших региональных настроек (запятая или точка, какую ни нажми, станет им). Крутить модель можно только тремя ползунками «Угол обзора». Арифметика координат восьмибитная, так что не удивляйтесь её характеру. График строится неспешно: на каждую точку нужна целая пачка испытаний, а испытание — это кадр.

Удачной лабораторной! Музыку можно выключить галочкой «Muzzic».</source>
        <translation>Hello, explorer of resolving power!

Brenvik is a lab exercise in one window. Two points shine onto a coarse 121 × 121 sensor, each spread by a Gaussian point-spread function, and every 35 ms the program honestly checks: can they be told apart?

What the picture shows. The two light bumps are the light of points T1 (crimson) and T2 (light blue), each with a red thread down to the sensor. The thin green line stands midway between the points, and the slightly lighter cell under it is the sensor cell over which the illumination is averaged. The points count as resolved when both peaks stand above that mean by at least the &quot;Thresh:&quot; fraction of their height.

What to enter. &quot;Q:&quot; is the width of the spread (the larger, the fatter the bumps and the harder life gets). &quot;Trials:&quot; is how many trials make one batch; after each batch the probability of detection appears at the bottom. &quot;Thresh:&quot; is that very fraction, from 0 to 1. The &quot;White noise&quot; box adds a random amount to every point, and the slider under it sets its strength.

Sweep. Tick what to vary: the T2 position (the point travels along the sensor&apos;s diagonal from corner to corner), the noise level (from 0 to the maximum) or the threshold (from 0 to 1), or all of them at once. &quot;Start!&quot; starts, &quot;Stop&quot; stops, and the probability graph is drawn at the top right. The button with the photographs saves it as BMP; a right click on the graph saves the points as CSV.

Small print. The number boxes take only digits and the decimal separator of your regional settings (a comma or a point typed becomes that separator). The model turns only with the three &quot;View angle&quot; sliders. Coordinate arithmetic is 8-bit, so do not be surprised by its character. The graph grows slowly: each point needs a whole batch of trials, and a trial is a frame.

Good luck with the lab! The &quot;Muzzic&quot; box turns the music off.</translation>
    </message>
    <message>
        <source>Ага...</source>
        <translation>Uh-huh...</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Brenvik v 1.0</source>
        <translation>Brenvik v 1.0</translation>
    </message>
    <message>
        <source>Q:</source>
        <translation>Q:</translation>
    </message>
    <message>
        <source>Это для формулы, считающей распределения. См. хелп ;-)</source>
        <translation>For the formula that computes the spread. See the help ;-)</translation>
    </message>
    <message>
        <source>Положение Т1:</source>
        <translation>T1 position:</translation>
    </message>
    <message>
        <source>X:</source>
        <translation>X:</translation>
    </message>
    <message>
        <source>Положение 1 точки по X</source>
        <translation>X position of point 1</translation>
    </message>
    <message>
        <source>Y:</source>
        <translation>Y:</translation>
    </message>
    <message>
        <source>Положение 1 точки по Y</source>
        <translation>Y position of point 1</translation>
    </message>
    <message>
        <source>Положение Т2:</source>
        <translation>T2 position:</translation>
    </message>
    <message>
        <source>Положение 2 точки по X</source>
        <translation>X position of point 2</translation>
    </message>
    <message>
        <source>Положение 2 точки по Y</source>
        <translation>Y position of point 2</translation>
    </message>
    <message>
        <source>Кол-во тестов:</source>
        <translation>Trials:</translation>
    </message>
    <message>
        <source>Сколько выборок усреднять</source>
        <translation>How many samples to average</translation>
    </message>
    <message>
        <source>Порог:</source>
        <translation>Thresh:</translation>
    </message>
    <message>
        <source>Порог для вычисления вероятности обнаружения</source>
        <translation>Threshold for computing the probability of detection</translation>
    </message>
    <message>
        <source>Добавить шипу !</source>
        <translation>Add some hiss!</translation>
    </message>
    <message>
        <source>Белый шум</source>
        <translation>White noise</translation>
    </message>
    <message>
        <source>Менять параметр:</source>
        <translation>Vary:</translation>
    </message>
    <message>
        <source>Положение T2</source>
        <translation>T2 position</translation>
    </message>
    <message>
        <source>Интенсивность шума</source>
        <translation>Noise level</translation>
    </message>
    <message>
        <source>Порог</source>
        <translation>Thresh.</translation>
    </message>
    <message>
        <source>Запустить изменение параметра</source>
        <translation>Start varying the parameter</translation>
    </message>
    <message>
        <source>Старт!</source>
        <translation>Start!</translation>
    </message>
    <message>
        <source>Прочь отсюда !!! 8-(</source>
        <translation>Away from here!!! 8-(</translation>
    </message>
    <message>
        <source>&amp;Выход</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>ПА-МА-ГИ-ТЕ !!!</source>
        <translation>HE-E-ELP!!!</translation>
    </message>
    <message>
        <source>Здесть можно покрутить модельку ;-)</source>
        <translation>Spin the model here ;-)</translation>
    </message>
    <message>
        <source>Угол обзора</source>
        <translation>View angle</translation>
    </message>
    <message>
        <source>Z:</source>
        <translation>Z:</translation>
    </message>
    <message>
        <source>Вероятность обнаружения:</source>
        <translation>Detection probability:</translation>
    </message>
    <message>
        <source>Расчитанная вероятность обнаружения</source>
        <translation>Computed probability of detection</translation>
    </message>
</context>
<context>
    <name>TForm3</name>
    <message>
        <source>График!</source>
        <translation>Graph!</translation>
    </message>
    <message>
        <source>СкринШот</source>
        <translation>ScreenShot</translation>
    </message>
    <message>
        <source>Закрыть это окно</source>
        <translation>Close this window</translation>
    </message>
</context>
<context>
    <name>brenvik::FileSizeColumn</name>
    <message>
        <source>байт</source>
        <translation>bytes</translation>
    </message>
    <message>
        <source>КиБ</source>
        <translation>KiB</translation>
    </message>
    <message>
        <source>МиБ</source>
        <translation>MiB</translation>
    </message>
    <message>
        <source>ГиБ</source>
        <translation>GiB</translation>
    </message>
    <message>
        <source>ТиБ</source>
        <translation>TiB</translation>
    </message>
    <message>
        <source>ПиБ</source>
        <translation>PiB</translation>
    </message>
</context>
<context>
    <name>brenvik::PlainFileIcons</name>
    <message>
        <source>Диск</source>
        <translation>Drive</translation>
    </message>
    <message>
        <source>Папка</source>
        <translation>Folder</translation>
    </message>
    <message>
        <source>Ярлык</source>
        <translation>Shortcut</translation>
    </message>
    <message>
        <source>Неизвестно</source>
        <translation>Unknown</translation>
    </message>
</context>
<context>
    <name>brenvik::ProbabilityMapView</name>
    <message>
        <source>Карта считается…</source>
        <translation>Computing the map…</translation>
    </message>
    <message>
        <source>Шаг T2 по диагонали: T2 = (шаг − 60, шаг − 60)</source>
        <translation>T2's step along the diagonal: T2 = (step − 60, step − 60)</translation>
    </message>
    <message>
        <source>Расстояние |T2 − T1|, единиц датчика</source>
        <translation>Separation |T2 − T1|, sensor units</translation>
    </message>
    <message>
        <source>Уровень шума</source>
        <translation>Noise level</translation>
    </message>
    <message>
        <source>Порог</source>
        <translation>Threshold</translation>
    </message>
</context>
<context>
    <name>brenvik::ProbabilityMapWindow</name>
    <message>
        <source>Карта вероятности</source>
        <translation>Probability map</translation>
    </message>
    <message>
        <source>По вертикали:</source>
        <translation>Vertical axis:</translation>
    </message>
    <message>
        <source>Уровень шума</source>
        <translation>Noise level</translation>
    </message>
    <message>
        <source>Порог</source>
        <translation>Threshold</translation>
    </message>
    <message>
        <source>Что отложено по вертикали: уровень белого шума 0 … 30 при пороге главного окна или порог 0 … 0,99 при его шуме</source>
        <translation>What the vertical axis shows: the white noise level 0 … 30 at the main window's threshold, or the threshold 0 … 0.99 at its noise</translation>
    </message>
    <message>
        <source>Карта считается в фоне; главное окно тем временем работает</source>
        <translation>The map is computed in the background; the main window goes on meanwhile</translation>
    </message>
    <message>
        <source>PNG…</source>
        <translation>PNG…</translation>
    </message>
    <message>
        <source>Сохранить карту как рисунок PNG</source>
        <translation>Save the map as a PNG picture</translation>
    </message>
    <message>
        <source>CSV…</source>
        <translation>CSV…</translation>
    </message>
    <message>
        <source>Сохранить значения карты в файл CSV</source>
        <translation>Save the map's values as a CSV file</translation>
    </message>
    <message>
        <source>Вероятность разрешения: белая линия — 0,5, чёрная — 0,9, оранжевый пунктир — последняя развёртка положения T2</source>
        <translation>Probability of resolution: white line 0.5, black line 0.9, orange dashes the last sweep of T2's position</translation>
    </message>
    <message>
        <source>Значение под указателем мыши или в клетке, выбранной стрелками</source>
        <translation>The value under the mouse pointer or in the cell chosen with the arrow keys</translation>
    </message>
    <message>
        <source>Наведите указатель на карту или выберите клетку стрелками</source>
        <translation>Point at the map or choose a cell with the arrow keys</translation>
    </message>
    <message>
        <source>порог %1</source>
        <translation>threshold %1</translation>
    </message>
    <message>
        <source>шум %1</source>
        <translation>noise %1</translation>
    </message>
    <message>
        <source>шум выключен</source>
        <translation>noise off</translation>
    </message>
    <message>
        <source>Q = %1, T1 = (%2, %3), %4</source>
        <translation>Q = %1, T1 = (%2, %3), %4</translation>
    </message>
    <message>
        <source>Шаг %1: |T2 − T1| = %2 (%3 Q); %4; P = %5</source>
        <translation>Step %1: |T2 − T1| = %2 (%3 Q); %4; P = %5</translation>
    </message>
    <message>
        <source>Рисунки PNG (*.png)</source>
        <translation>PNG pictures (*.png)</translation>
    </message>
    <message>
        <source>При Q = 0 каждая интенсивность — NaN, и критерий считает разрешённым каждое испытание.</source>
        <translation>With Q = 0 every intensity is NaN, and the criterion then counts every trial as resolved.</translation>
    </message>
    <message>
        <source>При отрицательной Q интенсивности отрицательны, и критерий считает испытание разрешённым, когда его пики не выделяются.</source>
        <translation>A negative Q makes the intensities negative, and the criterion then counts a trial as resolved when its peaks do not stand out.</translation>
    </message>
    <message>
        <source>Q больше одинарной точности и потому бесконечна: каждая интенсивность равна 0, и без шума каждое испытание разрешено.</source>
        <translation>Q is beyond single precision and so infinite: every intensity is 0, and without noise every trial counts as resolved.</translation>
    </message>
    <message>
        <source>При отрицательном пороге испытание считается разрешённым, даже когда его пики ниже среднего по ячейке.</source>
        <translation>A negative threshold lets a trial count as resolved even when its peaks lie below the cell mean.</translation>
    </message>
    <message>
        <source>При пороге 1 и больше ни одно испытание не считается разрешённым, пока среднее по ячейке больше 0.</source>
        <translation>At a threshold of 1 or more no trial counts as resolved while the cell mean is above 0.</translation>
    </message>
</context>
<context>
    <name>brenvik::SaveFileDialog</name>
    <message>
        <source>Папка «%1» не существует.</source>
        <translation>Folder “%1” does not exist.</translation>
    </message>
</context>
<context>
    <name>brenvik::MainWindow</name>
    <message>
        <source>Карта вероятности…</source>
        <translation>Probability map…</translation>
    </message>
    <message>
        <source>Точная вероятность разрешения по всем шагам T2 и уровням шума или порога</source>
        <translation>The exact probability of resolution over all of T2's steps and every noise level or threshold</translation>
    </message>
    <message>
        <source>Стоп</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Старт!</source>
        <translation>Start!</translation>
    </message>
</context>
<context>
    <name>brenvik::GraphWindow</name>
    <message>
        <source>Сохранить данные (CSV)…</source>
        <translation>Save data (CSV)…</translation>
    </message>
    <message>
        <source>Ожидаемая вероятность</source>
        <translation>Expected probability</translation>
    </message>
    <message>
        <source>BMP-хи (*.bmp)</source>
        <translation>BMP files (*.bmp)</translation>
    </message>
    <message>
        <source>Карта вероятности…</source>
        <translation>Probability map…</translation>
    </message>
    <message>
        <source>Точная вероятность разрешения по всем шагам T2 и уровням шума или порога</source>
        <translation>The exact probability of resolution over all of T2's steps and every noise level or threshold</translation>
    </message>
</context>
</TS>
