<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ru_RU">
<context>
    <name>TAboutBox</name>
    <message>
        <source>О программе !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>#TAboutBox { background-color: black; }
#Panel1 { background-color: black; border-width: 2px; border-style: outset; border-color: rgb(160, 160, 160); }
#Panel2 { background-color: black; border: 2px inset rgb(160, 160, 160); }
#ScrollBox1 { background-color: black; border: 1px inset rgb(160, 160, 160); }
#Credits { background-color: black; }
#ProductName { font: 16px &quot;Arial&quot;; color: rgb(177, 255, 100); }
#Version { font: 11px &quot;Arial&quot;; color: rgb(29, 226, 142); }
#CheckBox1 { font: 11px &quot;Arial&quot;; color: rgb(255, 251, 240); }
#Credits QLabel { font: 11px &quot;Arial&quot;; color: white; }
#Memo1 { background-color: black; color: rgb(166, 202, 240); font: 11px &quot;MS Sans Serif&quot;; }
#OKButton { font: bold 13px &quot;Arial&quot;; }</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>==Brenvik==</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version 1.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Muzzic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>----------</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brenvik Version 1.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OpenGL version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Programmed by</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brenvik team</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp; friends</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dec. 2oo7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пара слов о программе</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Привет, исследователь разрешающей способности!

Brenvik — это лабораторная работа в одном окне. Две точки светят на грубую матрицу датчика 121 × 121, каждая размыта гауссовой функцией рассеяния, и программа каждые 35 мс честно проверяет: различимы ли они?

Что на картинке. Два светлых холмика — свет от точек Т1 (малиновая) и Т2 (голубая), под каждой — красная ниточка до датчика. Тонкая зелёная линия стоит посередине между точками, а чуть более светлая клетка под ней — та ячейка датчика, по которой усредняется освещённость. Точки считаются разрешёнными, если оба пика возвышаются над этим средним хотя бы на долю «Порог» от своей высоты.

Что вводить. «Q:» — ширина размытия (чем больше, тем толще холмики и тем труднее жизнь). «Кол-во тестов:» — сколько испытаний собрать в одну пачку; после каждой пачки внизу появляется вероятность обнаружения. «Порог:» — та самая доля, от 0 до 1. Галочка «Белый шум» добавляет к каждой точке случайную прибавку, а ползунок под ней задаёт её силу.

Свип. Отметьте, что менять: положение Т2 (она поедет по диагонали датчика из угла в угол), интенсивность шума (от 0 до максимума) или порог (от 0 до 1) — можно всё сразу. Кнопка «Старт!» запускает, «Стоп» останавливает, а справа вверху рисуется график вероятности. Кнопка с фотографиями сохраняет его в BMP, правый щелчок по графику сохраняет точки в CSV.

Мелочи жизни. В числовые поля вводятся только цифры и запятая (точка сама станет запятой). Крутить модель можно только тремя ползунками «Угол обзора». Арифметика координат восьмибитная, так что не удивляйтесь её характеру. График строится неспешно: на каждую точку нужна целая пачка испытаний, а испытание — это кадр.

Удачной лабораторной! Музыку можно выключить галочкой «Muzzic».</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ага...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Brenvik v 1.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>#TForm1 { background-color: black; }
#Panel1, #Panel2, #Panel3 { background-color: black; border: 2px inset rgb(160, 160, 160); }
#Label1, #Label2, #Label3, #Label4, #Label5, #Label6, #Label7, #Label10, #Label14, #Label8, #Label15, #Label16, #Label17, #Label18, #Label19 { font: 13px &quot;Arial&quot;; }
#Label9, #Label11, #Label12, #Label13, #CheckBox1, #CheckBox2, #CheckBox3, #CheckBox4 { font: 11px &quot;Arial&quot;; }
#Button1 { font: bold 11px &quot;Arial&quot;; }
#Label1, #Label10, #Label14, #Label8, #Label15, #Label19 { color: rgb(0, 255, 255); }
#Label2 { color: rgb(255, 0, 210); }
#Label5 { color: rgb(91, 163, 234); }
#Label3, #Label6, #Label16 { color: rgb(255, 0, 0); }
#Label4, #Label7, #Label17 { color: rgb(0, 255, 0); }
#Label18 { color: rgb(0, 0, 255); }
#Label9, #Label11, #Label12, #Label13, #CheckBox2, #CheckBox3, #CheckBox4 { color: rgb(255, 255, 255); }
#CheckBox1 { color: rgb(255, 255, 0); }</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Q:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Это для формулы, считающей распределения. См. хелп ;-)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>9</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Положение Т1:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Положение 1 точки по X</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Y:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Положение 1 точки по Y</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Положение Т2:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Положение 2 точки по X</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Положение 2 точки по Y</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Кол-во тестов:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сколько выборок усреднять</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Порог:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Порог для вычисления вероятности обнаружения</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0,27</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Добавить шипу !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Белый шум</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Менять параметр:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Положение T2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Интенсивность шума</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Порог</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Запустить изменение параметра</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Старт!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Прочь отсюда !!! 8-(</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Выход</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ПА-МА-ГИ-ТЕ !!!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Здесть можно покрутить модельку ;-)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Угол обзора</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Z:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вероятность обнаружения:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Расчитанная вероятность обнаружения</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>---</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TForm3</name>
    <message>
        <source>График!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>#Panel1 { background-color: rgb(59, 59, 59); border: 2px inset rgb(140, 140, 140); }</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>СкринШот</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Закрыть это окно</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
